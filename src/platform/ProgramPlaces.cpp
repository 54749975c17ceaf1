// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramPlaces.h"

#include "platform/HostFiles.h"

namespace flightdeck {

bool IsInstalledProgramFolder(const std::string& folder) {
  std::string bare = folder;
  while (bare.size() > 1 && bare.back() == '/')
    bare.pop_back();
  const std::size_t slash = bare.rfind('/');
  if (slash != std::string::npos && bare.substr(slash + 1) == "bin") {
    const auto shared = HostFileState(THostPath(bare.substr(0, slash + 1) + "share/flightdeck"));
    if (shared && shared->Directory)
      return true;
  }
  return IsSystemProgramFolder(bare);
}

std::string SettingsFilePath(const std::string& programFolder, const std::string& name) {
  if (!IsInstalledProgramFolder(programFolder) && IsHostFolderWritable(programFolder))
    return programFolder + (programFolder.ends_with('/') ? "" : "/") + name;
  return HostConfigFolder() + "/" + name;
}

} // namespace flightdeck
