// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramPlaces.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace flightdeck {

std::string HostProgramPath() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
  return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

std::string HostConfigFolder() {
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
    return std::string(config) + "/flightdeck";
  const char* home = std::getenv("HOME");
  return std::string(home ? home : "") + "/.config/flightdeck";
}

bool IsSystemProgramFolder(const std::string& folder) {
  return folder.starts_with("/usr/") || folder.starts_with("/opt/");
}

bool IsHostFolderWritable(const std::string& folder) {
  return access(folder.c_str(), W_OK) == 0;
}

} // namespace flightdeck
