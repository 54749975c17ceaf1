// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ReplacementFile.h"

#include "platform/HostFiles.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "platform/IoFaults.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <random>
#include <unordered_set>
#include <utility>

namespace flightdeck {

namespace {

constexpr std::string_view TempPrefix = ".flightdeck-save-";

std::string DirectoryOf(const std::string& hostPath) {
  const size_t slash = hostPath.rfind('/');
  if (slash == std::string::npos)
    return ".";
  return slash == 0 ? "/" : hostPath.substr(0, slash);
}

// A temporary file is left over when the save that made it ended without cleaning up (a crash,
// a kill): its name carries the process that made it, and that process is gone. Names without
// a process come from older versions, which are not running now.
bool IsLeftOver(const std::string& name) {
  if (!name.starts_with(TempPrefix))
    return false;
  const std::optional<long> process = ProcessOfName(name, TempPrefix);
  return !process || HostProcessEnded(*process);
}

// Once per folder and process: a window that stays open does not read a folder of many
// mission files again on every save.
bool FirstSweep(const std::string& directory) {
  static std::mutex mutex;
  static std::unordered_set<std::string> swept;
  const std::lock_guard lock(mutex);
  return swept.insert(directory).second;
}

} // namespace

void RemoveLeftOverSaves(const std::string& directory) {
  if (!FirstSweep(directory))
    return;
  for (const std::string& name : HostFolderNames(directory))
    if (IsLeftOver(name)) {
      const std::string path = directory + "/" + name;
      if (RemoveHostFile(path))
        NoteHostEntryRemoved(path);
    }
}

namespace {

// A number for a temporary file's name; any thread may ask.
unsigned RandomNumber() {
  static std::mutex mutex;
  static std::mt19937 generator{std::random_device{}()};
  const std::lock_guard lock(mutex);
  return static_cast<unsigned>(generator());
}

// Creates a new, uniquely named file in `directory`; its name goes to `tempPath`.
THostFile CreateTempFile(const std::string& directory, std::string& tempPath) {
  for (;;) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "%ld-%08x", HostProcessId(), RandomNumber());
    tempPath = directory + "/" + std::string(TempPrefix) + suffix;
    CheckIoFault(TIoStep::Create, tempPath);
    THostFile file = THostFile::CreateNew(tempPath);
    if (file.IsOpen() || !IsAlreadyExists(LastHostError()))
      return file;
  }
}

} // namespace

TReplacementFile::TReplacementFile(std::string_view path)
    : FTarget(FollowHostLink(HostPath(path))) {
  const std::optional<THostFileState> existing = HostFileState(FTarget);
  if (existing && existing->Directory)
    throw EInOutError(NotARegularFileError(true), FTarget);
  const std::string directory = DirectoryOf(FTarget);
  RemoveLeftOverSaves(directory);
  std::string tempPath;
  THostFile file = CreateTempFile(directory, tempPath);
  if (!file.IsOpen())
    RaiseLastIOError(FTarget);
  FTemp = std::move(tempPath);
  FFile = std::move(file);
  // The replacement keeps the permissions of the file it replaces.
  if (existing && !FFile.TakePermissions(existing->Permissions))
    RaiseLastIOError(FTarget);
}

TReplacementFile::TReplacementFile(TReplacementFile&& other) noexcept
    : FTarget(std::move(other.FTarget)), FTemp(std::exchange(other.FTemp, {})),
      FFile(std::move(other.FFile)), FDigest(other.FDigest) {}

TReplacementFile::~TReplacementFile() {
  FFile.Close();
  if (!FTemp.empty())
    RemoveHostFile(FTemp);
}

void TReplacementFile::Write(std::string_view bytes) {
  CheckIoFault(TIoStep::Write, FTarget);
  FDigest.Add(bytes);
  if (!FFile.WriteAll(bytes))
    RaiseLastIOError(FTarget);
}

void TReplacementFile::Finish() {
  if (FFile.IsOpen() && !FFile.Close())
    RaiseLastIOError(FTarget);
}

void TReplacementFile::Commit() {
  Finish();
  CheckIoFault(TIoStep::Rename, FTarget);
  const std::optional<THostFileState> written = HostFileState(FTemp);
  if (!RenameHostFile(FTemp, FTarget))
    RaiseLastIOError(FTarget);
  if (written)
    RememberMovedHostFileDigest(FTarget, *written, FDigest); // not read again to be checked
  FTemp.clear();
  NoteHostEntryCreated(FTarget);
}

} // namespace flightdeck
