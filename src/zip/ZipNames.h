#pragma once

#include <string>
#include <string_view>

namespace flightdeck {

// A path as an entry name: "/" separators, without a drive, a root, "." or ".." parts.
// `escaped` tells whether it had any of those that lead elsewhere (a drive, a root, "..").
std::string EntryPath(std::string_view path, bool& escaped);

} // namespace flightdeck
