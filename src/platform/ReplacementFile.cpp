// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ReplacementFile.h"

#include "platform/HostFiles.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "platform/IoFaults.h"
#include "platform/LeftOvers.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace flightdeck {

namespace {

constexpr std::string_view TempPrefix = ".flightdeck-save-";

} // namespace

void RemoveLeftOverSaves(const THostPath& directory) {
  for (const std::string& name : HostFolderNames(directory)) {
    const THostPath path = directory / name;
    if (IsLeftOverSave(name) && IsOwnHostEntry(path, false) && RemoveHostFile(path))
      NoteHostEntryRemoved(path);
  }
}

void RemoveLeftOverSavesBelow(const THostPath& folder) {
  RemoveLeftOverSaves(folder);
  for (const std::string& name : ReadHostFolder(folder))
    if (const std::optional<THostFileState> state = HostFileState(folder / name);
        state && state->Directory)
      RemoveLeftOverSaves(folder / name);
}

bool IsLeftOverSave(std::string_view name) {
  return IsLeftOverName(name, TempPrefix);
}

namespace {

// Creates a new, uniquely named file in `directory`; its name goes to `tempPath`.
THostFile CreateTempFile(const THostPath& directory, THostPath& tempPath) {
  for (;;) {
    tempPath = directory / OwnedName(TempPrefix);
    CheckIoFault(TIoStep::Create, tempPath);
    THostFile file = THostFile::CreateNew(tempPath);
    if (file.IsOpen() || !IsAlreadyExists(LastHostError()))
      return file;
  }
}

} // namespace

TReplacementFile::TReplacementFile(std::string_view path) : TReplacementFile(HostPath(path)) {}

TReplacementFile::TReplacementFile(const THostPath& hostPath) : FTarget(FollowHostLink(hostPath)) {
  const std::optional<THostFileState> existing = HostFileState(FTarget);
  if (existing && existing->Directory)
    throw EInOutError(NotARegularFileError(true), FTarget.Native());
  THostPath tempPath;
  THostFile file = CreateTempFile(FTarget.Parent(), tempPath);
  if (!file.IsOpen())
    RaiseLastIOError(FTarget.Native());
  FTemp = std::move(tempPath);
  FFile = std::move(file);
  // The replacement keeps the permissions of the file it replaces.
  if (existing && !FFile.TakePermissions(existing->Permissions))
    RaiseLastIOError(FTarget.Native());
}

TReplacementFile::TReplacementFile(TReplacementFile&& other) noexcept
    : FTarget(std::move(other.FTarget)), FTemp(std::exchange(other.FTemp, {})),
      FFile(std::move(other.FFile)), FDigest(other.FDigest) {}

TReplacementFile::~TReplacementFile() {
  FFile.Close();
  if (!FTemp.Empty())
    RemoveHostFile(FTemp);
}

void TReplacementFile::Write(std::string_view bytes) {
  CheckIoFault(TIoStep::Write, FTarget);
  FDigest.Add(bytes);
  if (!FFile.WriteAll(bytes))
    RaiseLastIOError(FTarget.Native());
}

void TReplacementFile::Finish() {
  if (FFile.IsOpen() && !FFile.Close())
    RaiseLastIOError(FTarget.Native());
}

void TReplacementFile::Commit() {
  Finish();
  CheckIoFault(TIoStep::Rename, FTarget);
  const std::optional<THostFileState> written = HostFileState(FTemp);
  if (!RenameHostFile(FTemp, FTarget))
    RaiseLastIOError(FTarget.Native());
  if (const std::optional<THostFileState> now = HostFileState(FTarget);
      written && now && now->IsUnwrittenSince(*written))
    FLeft = now;
  FTemp = {};
  NoteHostEntryCreated(FTarget);
}

} // namespace flightdeck
