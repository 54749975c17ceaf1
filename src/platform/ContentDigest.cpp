#include "platform/ContentDigest.h"

#include "platform/FileDescriptor.h"
#include "platform/InOutError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace flightdeck {

void TContentDigest::Mix(std::uint64_t word) {
  FHash = (FHash ^ word) * 0xff51afd7ed558ccdULL;
  FHash ^= FHash >> 32;
}

void TContentDigest::Add(std::string_view bytes) {
  FSize += bytes.size();
  while (!bytes.empty() && FPendingCount != 0) {
    FPending |= std::uint64_t(static_cast<unsigned char>(bytes.front())) << (8 * FPendingCount);
    bytes.remove_prefix(1);
    if (++FPendingCount == 8) {
      Mix(FPending);
      FPending = 0;
      FPendingCount = 0;
    }
  }
  for (; bytes.size() >= 8; bytes.remove_prefix(8)) {
    std::uint64_t word = 0;
    for (int i = 7; i >= 0; --i)
      word = (word << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
    Mix(word);
  }
  for (const char c : bytes)
    FPending |= std::uint64_t(static_cast<unsigned char>(c)) << (8 * FPendingCount++);
}

std::string TContentDigest::Text() const {
  TContentDigest last = *this;
  last.Mix(last.FPending ^ (std::uint64_t(last.FPendingCount) << 61));
  char text[48];
  std::snprintf(text, sizeof text, "%llx:%016llx", static_cast<unsigned long long>(FSize),
                static_cast<unsigned long long>(last.FHash));
  return text;
}

std::string HostFileDigest(const std::string& hostPath) {
  TFileDescriptor file(open(hostPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.Get() < 0) {
    if (errno == ENOENT || errno == ENOTDIR)
      return "-";
    RaiseLastIOError(hostPath);
  }
  struct stat info {};
  if (fstat(file.Get(), &info) != 0)
    RaiseLastIOError(hostPath);
  if (!S_ISREG(info.st_mode))
    return "?"; // something else than a file: no command left it
  TContentDigest digest;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t count = read(file.Get(), buffer, sizeof buffer);
    if (count < 0 && errno == EINTR)
      continue;
    if (count < 0)
      RaiseLastIOError(hostPath);
    if (count == 0)
      break;
    digest.Add(std::string_view(buffer, static_cast<std::size_t>(count)));
  }
  return digest.Text();
}

} // namespace flightdeck
