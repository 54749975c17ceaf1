// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HostPath.h"

#include <cstdint>
#include <optional>
#include <string>

namespace flightdeck {

// The host's side of TDirectoryLock: DirectoryLock_posix.cpp locks the directory itself,
// DirectoryLock_win.cpp a lock file named after it outside the game.
struct THostDirectoryLock {
  std::string Key; // the directory itself, whatever path reaches it
  std::intptr_t Handle = 0;
};

// Opens what locks the directory at `hostDirectory`; none when it cannot be opened.
std::optional<THostDirectoryLock> OpenDirectoryLock(const THostPath& hostDirectory);

enum class TLockAttempt { Taken, Busy, Failed };
TLockAttempt TryDirectoryLock(std::intptr_t handle);
void CloseDirectoryLock(std::intptr_t handle);

} // namespace flightdeck
