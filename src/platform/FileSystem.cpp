#include "platform/FileSystem.h"

#include "platform/FileDescriptor.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "platform/ReplacementFile.h"

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

namespace {

// Hands the content of a file to `consume` piece by piece.
template <typename TConsume>
void ReadPieces(std::string_view path, TConsume&& consume) {
  const TFileDescriptor file(open(HostPath(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (file.Get() < 0)
    RaiseLastIOError();
  char buffer[65536];
  for (;;) {
    const ssize_t count = read(file.Get(), buffer, sizeof buffer);
    if (count == 0)
      return;
    if (count < 0) {
      if (errno == EINTR)
        continue;
      RaiseLastIOError();
    }
    consume(std::string_view(buffer, static_cast<size_t>(count)));
  }
}

} // namespace

std::string ReadFileBytes(std::string_view path) {
  std::string bytes;
  ReadPieces(path, [&](std::string_view piece) { bytes.append(piece); });
  return bytes;
}

void CopyFileReplacing(std::string_view source, std::string_view destination) {
  // Streamed, so a large mission never has to fit in memory.
  TReplacementFile copy(destination);
  ReadPieces(source, [&](std::string_view piece) { copy.Write(piece); });
  copy.Commit();
}

bool RemoveFile(std::string_view path) {
  return unlink(HostPath(path).c_str()) == 0;
}

std::optional<std::int64_t> FileModifiedTime(std::string_view path) {
  struct stat info {};
  if (!StatPath(path, info))
    return std::nullopt;
  return static_cast<std::int64_t>(info.st_mtime);
}

void SetFileModifiedTime(std::string_view path, std::int64_t seconds) {
  const timespec times[2] = {{static_cast<time_t>(seconds), 0}, {static_cast<time_t>(seconds), 0}};
  if (utimensat(AT_FDCWD, HostPath(path).c_str(), times, 0) != 0)
    RaiseLastIOError();
}

void ForceDirectories(std::string_view path) {
  const std::string host = HostPath(path);
  for (std::size_t at = host.find('/', 1);; at = host.find('/', at + 1)) {
    const std::string prefix = host.substr(0, at);
    if (!prefix.empty() && mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST)
      RaiseLastIOError();
    if (at == std::string::npos)
      return;
  }
}

bool IsInsideDirectory(std::string_view path, std::string_view directory) {
  char resolvedPath[PATH_MAX];
  char resolvedDirectory[PATH_MAX];
  if (!realpath(HostPath(path).c_str(), resolvedPath) ||
      !realpath(HostPath(directory).c_str(), resolvedDirectory))
    return false;
  const std::string inside = resolvedPath;
  std::string root = resolvedDirectory;
  if (root.back() != '/')
    root += '/';
  return inside.rfind(root, 0) == 0 || inside + "/" == root;
}

} // namespace flightdeck
