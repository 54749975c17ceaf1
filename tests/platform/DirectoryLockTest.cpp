// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DirectoryLock.h"
#include "platform/DirectoryLockHost.h"
#include "platform/HostPath.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

// Another program's hold on a game directory, taken as the host takes it (a lock of the
// directory on Linux, of its lock file on Windows); locks of this process on it nest.
TEST(DirectoryLock, WaitsForAnotherHolderThenGivesUpAndNestsWithinTheProcess) {
  test::TTempDir temp;
  const std::string game = temp.Slashed();
  std::optional<THostDirectoryLock> other = OpenDirectoryLock(HostPath(game));
  ASSERT_TRUE(other);
  ASSERT_EQ(TryDirectoryLock(other->Handle), TLockAttempt::Taken);
  EXPECT_THROW(TDirectoryLock(game, std::chrono::milliseconds(60)), EDirectoryBusy);
  CloseDirectoryLock(other->Handle);

  const TDirectoryLock first(game, std::chrono::milliseconds(60));
  const TDirectoryLock nested(temp.Path().string() + "/./", std::chrono::milliseconds(60));
  other = OpenDirectoryLock(HostPath(game));
  ASSERT_TRUE(other);
  EXPECT_EQ(TryDirectoryLock(other->Handle), TLockAttempt::Busy);
  CloseDirectoryLock(other->Handle);
}

} // namespace
} // namespace flightdeck
