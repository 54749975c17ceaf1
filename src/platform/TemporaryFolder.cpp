// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TemporaryFolder.h"

#include "platform/HostFiles.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"

#include <filesystem>

namespace flightdeck {

namespace {

// Removes the temporary folders that processes killed before they could (see ProcessOfName).
void RemoveLeftOvers(const std::string& folder) {
  const std::string parent = folder.substr(0, folder.rfind('/', folder.size() - 2) + 1);
  for (const std::string& name : ReadHostFolder(parent)) {
    const std::optional<long> process = ProcessOfName(name, TemporaryFolderPrefix);
    std::error_code ignored;
    if (process && HostProcessEnded(*process))
      std::filesystem::remove_all(parent + name, ignored);
  }
}

} // namespace

TTemporaryFolder::TTemporaryFolder() : FPath(MakeHostTemporaryFolder()) {
  RemoveLeftOvers(FPath);
}

TTemporaryFolder::~TTemporaryFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(FPath, ignored);
}

void RenameReplacing(const std::string& from, const std::string& to) {
  const std::string target = HostPath(to);
  if (!RenameHostFile(HostPath(from), target))
    RaiseLastIOError(target);
  NoteHostEntryCreated(target);
}

} // namespace flightdeck
