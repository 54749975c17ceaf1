#pragma once

#include <string>
#include <string_view>

namespace flightdeck {

// A JSON string literal, quotes included, of Windows-1252 text.
std::string JsonString(std::string_view windows1252Text);
// The same of text already in UTF-8, such as a host path.
std::string JsonStringUtf8(std::string_view utf8Text);

} // namespace flightdeck
