// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DirectoryLockHost.h"

#include "platform/AsciiCase.h"
#include "platform/ContentDigest.h"
#include "platform/HostFiles.h"
#include "platform/WidePaths_win.h"

#include <windows.h>

namespace flightdeck {

// A directory cannot be locked for writing on Windows while others work in it: the lock is a
// lock file of the program's own, named after the directory's real path.
std::optional<THostDirectoryLock> OpenDirectoryLock(const THostPath& hostDirectory) {
  const THostPath real = RealHostPath(hostDirectory);
  if (real.Empty())
    return std::nullopt;
  const std::string key =
      LowerCaseAscii(real.Native()); // Windows names match without regard to case
  TContentDigest digest;
  digest.Add(key);
  const std::string text = digest.Text();
  const THostPath folder = HostDataFolder();
  MakeHostDirectory(folder);
  MakeHostDirectory(folder / "locks");
  const std::wstring path =
      WideHostPath(folder / "locks" / (text.substr(text.find(':') + 1) + ".lock"));
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return std::nullopt;
  return THostDirectoryLock{key, reinterpret_cast<std::intptr_t>(file)};
}

TLockAttempt TryDirectoryLock(std::intptr_t handle) {
  OVERLAPPED start{};
  if (LockFileEx(reinterpret_cast<HANDLE>(handle),
                 LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &start))
    return TLockAttempt::Taken;
  return GetLastError() == ERROR_LOCK_VIOLATION ? TLockAttempt::Busy : TLockAttempt::Failed;
}

void CloseDirectoryLock(std::intptr_t handle) {
  CloseHandle(reinterpret_cast<HANDLE>(handle)); // closing the file releases its lock
}

} // namespace flightdeck
