// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TemporaryFolder.h"

#include "platform/HostFiles.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "platform/LeftOvers.h"

#include <filesystem>

namespace flightdeck {

namespace {

constexpr std::string_view FolderPrefix = "flightdeck-";
constexpr std::string_view OwnerFile = ".flightdeck-owner";

std::string OwnerText(std::string_view tag) {
  return "flightdeck-temporary " + std::string(tag) + "\n";
}

// A folder this program made, whose process has ended: its name, a private folder of the
// user's, and the owner it names inside.
bool IsLeftOver(const THostPath& base, const std::string& name) {
  if (!IsLeftOverName(name, FolderPrefix) || !IsOwnHostEntry(base / name, true) ||
      !IsOwnHostEntry(base / name / OwnerFile, false))
    return false;
  try {
    const std::string tag = name.substr(FolderPrefix.size(), name.rfind('-') - FolderPrefix.size());
    return ReadHostFile(base / name / OwnerFile, 128) == OwnerText(tag);
  } catch (const EInOutError&) {
    return false;
  }
}

// Removes the temporary folders that processes killed before they could.
void RemoveLeftOvers(const THostPath& base) {
  for (const std::string& name : ReadHostFolder(base))
    if (IsLeftOver(base, name)) {
      std::error_code ignored;
      std::filesystem::remove_all((base / name).Native(), ignored);
    }
}

// A new private folder, with its owner written in it.
std::string MakeFolder(const THostPath& base) {
  for (;;) {
    const THostPath folder = base / OwnedName(FolderPrefix);
    if (!MakePrivateHostDirectory(folder)) {
      if (!IsAlreadyExists(LastHostError()))
        RaiseTemporaryFolderError(base);
      continue;
    }
    THostFile owner = THostFile::CreatePrivate(folder / OwnerFile);
    if (owner.IsOpen() && owner.WriteAll(OwnerText(OwnerTag())) && owner.Close())
      return folder.Native() + "/";
    const int error = LastHostError();
    std::error_code ignored;
    std::filesystem::remove_all(folder.Native(), ignored);
    throw EInOutError(error, folder.Native());
  }
}

} // namespace

TTemporaryFolder::TTemporaryFolder() {
  const THostPath base = HostTemporaryBase();
  FPath = MakeFolder(base);
  RemoveLeftOvers(base);
}

TTemporaryFolder::~TTemporaryFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(FPath, ignored);
}

void RenameReplacing(const std::string& from, const std::string& to) {
  const THostPath target = HostPath(to);
  if (!RenameHostFile(HostPath(from), target))
    RaiseLastIOError(target.Native());
  NoteHostEntryCreated(target);
}

} // namespace flightdeck
