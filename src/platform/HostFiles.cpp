#include "platform/HostFiles.h"

#include "platform/FileDescriptor.h"
#include "platform/InOutError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace flightdeck {

void ReadHostPieces(const std::string& hostPath,
                    const std::function<void(std::string_view)>& consume) {
  const TFileDescriptor file(open(hostPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat info {};
  if (file.Get() < 0 || fstat(file.Get(), &info) != 0)
    RaiseLastIOError(hostPath);
  if (!S_ISREG(info.st_mode))
    throw EInOutError(S_ISDIR(info.st_mode) ? EISDIR : EINVAL, hostPath);
  char buffer[1 << 16];
  for (;;) {
    const ssize_t count = read(file.Get(), buffer, sizeof buffer);
    if (count == 0)
      return;
    if (count < 0) {
      if (errno == EINTR)
        continue;
      RaiseLastIOError(hostPath);
    }
    consume(std::string_view(buffer, static_cast<std::size_t>(count)));
  }
}

std::string ReadHostFile(const std::string& hostPath) {
  std::string bytes;
  ReadHostPieces(hostPath, [&](std::string_view piece) { bytes.append(piece); });
  return bytes;
}

} // namespace flightdeck
