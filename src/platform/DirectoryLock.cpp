// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DirectoryLock.h"

#include "platform/DirectoryLockHost.h"
#include "platform/HostPath.h"

#include <map>
#include <mutex>
#include <thread>

namespace flightdeck {

namespace {

struct THeldLock {
  std::intptr_t Handle = 0;
  int Count = 0;
};

// The locks this process holds, by the directory's identity.
std::mutex HeldMutex;
std::map<std::string, THeldLock> Held;

// The folder as the host spells it, without the separator a game directory ends with.
std::string FolderName(const std::string& directory) {
  std::string host = HasNulByte(directory) ? directory : HostPath(directory).Native();
  while (host.size() > 1 && (host.back() == '/' || host.back() == '\\'))
    host.pop_back();
  return host;
}

} // namespace

EDirectoryBusy::EDirectoryBusy(const std::string& directory)
    : EMessageError({TRANSLATABLE("Message", "The game directory \"%1\" is in use by another "
                                             "Flightdeck command. Try again when it has finished."),
                     {FolderName(directory)}}) {}

TDirectoryLock::TDirectoryLock(std::string_view directory, std::chrono::milliseconds patience) {
  if (HasNulByte(directory))
    return;
  // Whatever the command does next on a directory that cannot be opened fails on its own.
  std::optional<THostDirectoryLock> lock = OpenDirectoryLock(HostPath(directory));
  if (!lock)
    return;
  {
    const std::lock_guard<std::mutex> guard(HeldMutex);
    const auto found = Held.find(lock->Key);
    if (found != Held.end()) {
      ++found->second.Count;
      CloseDirectoryLock(lock->Handle);
      FKey = lock->Key;
      return;
    }
  }
  const auto deadline = std::chrono::steady_clock::now() + patience;
  for (;;) {
    const TLockAttempt attempt = TryDirectoryLock(lock->Handle);
    if (attempt == TLockAttempt::Taken)
      break;
    if (attempt == TLockAttempt::Failed || std::chrono::steady_clock::now() >= deadline) {
      CloseDirectoryLock(lock->Handle);
      throw EDirectoryBusy(std::string(directory));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  const std::lock_guard<std::mutex> guard(HeldMutex);
  Held[lock->Key] = {lock->Handle, 1};
  FKey = lock->Key;
}

TDirectoryLock::~TDirectoryLock() {
  if (FKey.empty())
    return;
  const std::lock_guard<std::mutex> guard(HeldMutex);
  THeldLock& held = Held[FKey];
  if (--held.Count == 0) {
    CloseDirectoryLock(held.Handle); // closing releases the lock
    Held.erase(FKey);
  }
}

} // namespace flightdeck
