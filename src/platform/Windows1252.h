#pragma once

#include <string>
#include <string_view>

namespace flightdeck {

// The game's texts are Windows-1252. The five bytes the code page leaves unassigned map to
// the control characters of the same number, so every byte survives a round trip.
std::string Windows1252ToUtf8(std::string_view text);

// Characters the code page cannot hold become "?". Invalid UTF-8 bytes become "?" too.
std::string Utf8ToWindows1252(std::string_view text);

// One character each way; "?" for a character the code page cannot hold.
char32_t Windows1252ToUnicode(char byte);
char UnicodeToWindows1252(char32_t codePoint);

} // namespace flightdeck
