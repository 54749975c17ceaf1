#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace flightdeck {

// The text before, resp. after, the first occurrence of `delimiter` (case-sensitive), or
// the whole text when it does not occur.
std::string TextBefore(std::string_view text, std::string_view delimiter);
std::string TextAfter(std::string_view text, std::string_view delimiter);

// `text` without leading and trailing spaces and control characters.
std::string Trim(std::string_view text);

// The text from the last "." to the end, provided no "\" or ":" follows that "."; else "".
std::string ExtractFileExt(std::string_view path);

// The path up to and including its last "\" or ":"; "" when it has neither.
std::string ExtractFilePath(std::string_view path);

// The name after the last "\\", "/" or ":" of a path, and the path up to and including it.
std::string ExtractFileName(std::string_view path);
std::string ExtractFileFolder(std::string_view path);

// True for a plain name in a directory: not empty, no "\", "/" or ":", not "." or "..".
bool IsBareFileName(std::string_view name);

// The number of a list entry's first line: a signed decimal integer after leading spaces;
// failing that, the unsigned decimal digits it begins with after spaces and sign, or 0;
// "$" starts hexadecimal digits. Never fails.
std::int32_t ReadListNumber(std::string_view line);

} // namespace flightdeck
