#pragma once

#include <string>
#include <string_view>

namespace flightdeck {

// A JSON string literal, quotes included, of Windows-1252 text.
std::string JsonString(std::string_view windows1252Text);

} // namespace flightdeck
