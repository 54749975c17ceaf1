#pragma once

#include <string>
#include <string_view>

namespace flightdeck {

// The game's texts are Windows-1252. The five bytes the code page leaves unassigned map to
// the control characters of the same number, so every byte survives a round trip.
std::string Windows1252ToUtf8(std::string_view text);

// Characters the code page cannot hold become "?". Invalid UTF-8 bytes become "?" too.
std::string Utf8ToWindows1252(std::string_view text);

// The same with UTF-16, as the Win32 wide-character API takes texts; characters outside the
// Basic Multilingual Plane become "?".
std::u16string Windows1252ToUtf16(std::string_view text);
std::string Utf16ToWindows1252(std::u16string_view text);

} // namespace flightdeck
