// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace flightdeck {

// The game's texts are Windows-1252. The five bytes the code page leaves unassigned map to
// the control characters of the same number, so every byte survives a round trip.
std::string Windows1252ToUtf8(std::string_view text);

// Characters the code page cannot hold become "?". Invalid UTF-8 bytes become "?" too.
std::string Utf8ToWindows1252(std::string_view text);
// The same, but nothing when a character has no place in the code page or the text is not
// valid UTF-8.
std::optional<std::string> Utf8ToWindows1252Exactly(std::string_view text);

// A character of the code page in lower case, as Unicode's simple case folding makes it.
char FoldedWindows1252(char c);

// Valid UTF-8: shortest forms only, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// Bytes that should be UTF-8 but may not be (a host path, a name an old tool wrote), as
// valid UTF-8: each sequence that is valid stays, and every other byte is read as its
// Windows-1252 character.
std::string LenientUtf8(std::string_view bytes);

// The same to UTF-16, as the Win32 wide-character API takes texts, and back.
std::u16string LenientUtf8ToUtf16(std::string_view bytes);
std::string Utf16ToUtf8(std::u16string_view text);

} // namespace flightdeck
