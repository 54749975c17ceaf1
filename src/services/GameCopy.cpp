// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/GameCopy.h"

#include "platform/FileSystem.h"
#include "platform/HostFiles.h"
#include "platform/HostPath.h"
#include "platform/Limits.h"
#include "platform/TemporaryFolder.h"

namespace flightdeck {

namespace {

// The files of `from`, and of the folders `depth` levels below it, copied into `to`.
void CopyFolder(const std::string& from, const std::string& to, int depth) {
  ForceDirectories(to);
  for (const std::string& name : ReadHostFolder(HostPath(from), MaxFolderListing)) {
    const std::string source = from + "/" + name;
    if (DirectoryExists(source) && depth > 0)
      CopyFolder(source, to + "/" + name, depth - 1);
    else if (FileExists(source))
      CopyFileReplacing(source, to + "/" + name);
  }
}

} // namespace

void CopyGameFolder(const std::string& from, const std::string& to) {
  const std::string partial = to + ".partial";
  CopyFolder(from, partial, 1);
  RenameReplacing(partial, to);
}

} // namespace flightdeck
