// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Message.h"

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace flightdeck {

// Another Flightdeck command held the directory for longer than we waited.
class EDirectoryBusy : public EMessageError {
public:
  explicit EDirectoryBusy(const std::string& directory);
};

// Keeps other Flightdeck processes from changing a game directory while a command reads and
// writes it: a second command waits until the first has finished, at most `patience`, then
// raises EDirectoryBusy. On POSIX the lock is the directory's own, so nothing is added to the
// game's folders; on Windows it is a lock file in the program's data folder. Locks of one process
// on the same directory nest.
class TDirectoryLock {
public:
  static constexpr std::chrono::milliseconds DefaultPatience{10000};

  explicit TDirectoryLock(std::string_view directory,
                          std::chrono::milliseconds patience = DefaultPatience);
  ~TDirectoryLock();
  TDirectoryLock(const TDirectoryLock&) = delete;
  TDirectoryLock& operator=(const TDirectoryLock&) = delete;

private:
  std::string FKey; // empty when the directory could not be opened, so nothing is held
};

} // namespace flightdeck
