// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DirectoryLockHost.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace flightdeck {

// The lock is the directory's own, so nothing is added to the game's folders.
std::optional<THostDirectoryLock> OpenDirectoryLock(const THostPath& hostDirectory) {
  const int fd = open(hostDirectory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  struct stat info {};
  if (fd < 0 || fstat(fd, &info) != 0) {
    if (fd >= 0)
      close(fd);
    return std::nullopt;
  }
  return THostDirectoryLock{std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino), fd};
}

TLockAttempt TryDirectoryLock(std::intptr_t handle) {
  if (flock(static_cast<int>(handle), LOCK_EX | LOCK_NB) == 0)
    return TLockAttempt::Taken;
  return errno == EWOULDBLOCK || errno == EINTR ? TLockAttempt::Busy : TLockAttempt::Failed;
}

void CloseDirectoryLock(std::intptr_t handle) {
  close(static_cast<int>(handle)); // closing the last descriptor releases the lock
}

} // namespace flightdeck
