#pragma once

#include <string>
#include <string_view>

namespace flightdeck {

// Decodes Windows-1252 bytes into UTF-8. The five bytes the code page leaves unassigned
// become the control characters of the same number, so nothing is lost.
std::string Windows1252ToUtf8(std::string_view text);

// A JSON string literal, quotes included, of Windows-1252 text.
std::string JsonString(std::string_view windows1252Text);

} // namespace flightdeck
