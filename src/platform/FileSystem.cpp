#include "platform/FileSystem.h"

#include "platform/FileDescriptor.h"
#include "platform/FileTransaction.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace flightdeck {

namespace {

bool StatPath(std::string_view path, struct stat& info) {
  return stat(HostPath(path).c_str(), &info) == 0;
}

} // namespace

bool FileExists(std::string_view path) {
  struct stat info {};
  return StatPath(path, info) && !S_ISDIR(info.st_mode);
}

bool DirectoryExists(std::string_view path) {
  struct stat info {};
  return StatPath(path, info) && S_ISDIR(info.st_mode);
}

std::string ReadFileBytes(std::string_view path) {
  const TFileDescriptor file(open(HostPath(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (file.Get() < 0)
    RaiseLastIOError();
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t count = read(file.Get(), buffer, sizeof buffer);
    if (count == 0)
      return bytes;
    if (count < 0) {
      if (errno == EINTR)
        continue;
      RaiseLastIOError();
    }
    bytes.append(buffer, static_cast<size_t>(count));
  }
}

void CopyFileReplacing(std::string_view source, std::string_view destination) {
  SaveFileAtomically(destination, ReadFileBytes(source));
}

bool RemoveFile(std::string_view path) {
  return unlink(HostPath(path).c_str()) == 0;
}

} // namespace flightdeck
