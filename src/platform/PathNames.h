// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace flightdeck {

// Names within the paths the game and its files use, with "\\" and ":" as separators (and
// "/" where said).

// The text from the last "." to the end, provided no "\" or ":" follows that "."; else "".
std::string ExtractFileExt(std::string_view path);

// The path up to and including its last "\" or ":"; "" when it has neither.
std::string ExtractFilePath(std::string_view path);

// The name after the last "\\", "/" or ":" of a path, and the path up to and including it.
std::string ExtractFileName(std::string_view path);
std::string ExtractFileFolder(std::string_view path);

// True for a plain name in a directory: not empty, no "\", "/" or ":", not "." or "..".
bool IsBareFileName(std::string_view name);

} // namespace flightdeck
