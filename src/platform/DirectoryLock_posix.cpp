#include "platform/DirectoryLock.h"

#include "platform/HostPath.h"

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace flightdeck {

namespace {

struct THeldLock {
  int Fd = -1;
  int Count = 0;
};

// The locks this process holds, by device and inode of their directory.
std::mutex HeldMutex;
std::map<std::string, THeldLock> Held;

} // namespace

EDirectoryBusy::EDirectoryBusy(const std::string& directory)
    : std::runtime_error("The game directory \"" + directory +
                         "\" is in use by another Flightdeck command. Try again when it has "
                         "finished.") {}

TDirectoryLock::TDirectoryLock(std::string_view directory, std::chrono::milliseconds patience) {
  if (HasNulByte(directory))
    return;
  const int fd = open(HostPath(directory).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  struct stat info {};
  if (fd < 0 || fstat(fd, &info) != 0) {
    // Whatever the command does next on a directory that cannot be opened fails on its own.
    if (fd >= 0)
      close(fd);
    return;
  }
  const std::string key = std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino);
  {
    const std::lock_guard<std::mutex> guard(HeldMutex);
    const auto found = Held.find(key);
    if (found != Held.end()) {
      ++found->second.Count;
      close(fd);
      FKey = key;
      return;
    }
  }
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) {
      close(fd);
      throw EDirectoryBusy(std::string(directory));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  const std::lock_guard<std::mutex> guard(HeldMutex);
  Held[key] = {fd, 1};
  FKey = key;
}

TDirectoryLock::~TDirectoryLock() {
  if (FKey.empty())
    return;
  const std::lock_guard<std::mutex> guard(HeldMutex);
  THeldLock& held = Held[FKey];
  if (--held.Count == 0) {
    close(held.Fd); // closing the last descriptor releases the lock
    Held.erase(FKey);
  }
}

} // namespace flightdeck
