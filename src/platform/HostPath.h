#pragma once

#include <string>
#include <string_view>

namespace flightdeck {

// Maps a program path onto the host file system the way Wine does: "\" and "/" both separate
// components, and each component is the entry of exactly that name, or else the first entry
// (by byte order) whose name matches without regard to ASCII case. Components that do not
// exist keep the spelling given, so a file created at the result never becomes a second
// spelling of an existing name. On Windows the path is used as it is.
std::string HostPath(std::string_view programPath);

} // namespace flightdeck
