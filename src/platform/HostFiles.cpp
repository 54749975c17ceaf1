#include "platform/HostFiles.h"

#include "platform/FileDescriptor.h"
#include "platform/InOutError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace flightdeck {

namespace {

// The regular file at `hostPath`, open for reading, and its size.
TFileDescriptor OpenRegularFile(const std::string& hostPath, off_t& size) {
  TFileDescriptor file(open(hostPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat info {};
  if (file.Get() < 0 || fstat(file.Get(), &info) != 0)
    RaiseLastIOError(hostPath);
  if (!S_ISREG(info.st_mode))
    throw EInOutError(S_ISDIR(info.st_mode) ? EISDIR : EINVAL, hostPath);
  size = info.st_size;
  return file;
}

// Reads from `file` into `buffer`; 0 at its end.
std::size_t ReadSome(const TFileDescriptor& file, char* buffer, std::size_t size,
                     const std::string& hostPath) {
  for (;;) {
    const ssize_t count = read(file.Get(), buffer, size);
    if (count >= 0)
      return static_cast<std::size_t>(count);
    if (errno != EINTR)
      RaiseLastIOError(hostPath);
  }
}

} // namespace

void ReadHostPieces(const std::string& hostPath,
                    const std::function<void(std::string_view)>& consume) {
  off_t size = 0;
  const TFileDescriptor file = OpenRegularFile(hostPath, size);
  char buffer[1 << 16];
  while (const std::size_t count = ReadSome(file, buffer, sizeof buffer, hostPath))
    consume(std::string_view(buffer, count));
}

std::string ReadHostFile(const std::string& hostPath) {
  off_t size = 0;
  const TFileDescriptor file = OpenRegularFile(hostPath, size);
  // Sized by the file: one allocation and, mostly, one read; a byte more to see its end.
  std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size())
      bytes.resize(2 * bytes.size()); // it grew meanwhile
    const std::size_t count =
        ReadSome(file, bytes.data() + filled, bytes.size() - filled, hostPath);
    if (count == 0)
      break;
    filled += count;
  }
  bytes.resize(filled);
  return bytes;
}

} // namespace flightdeck
