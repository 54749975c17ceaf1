#include "platform/FileSystem.h"

#include "platform/FileDescriptor.h"
#include "platform/FileTransaction.h"
#include "platform/HostFiles.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "platform/IoFaults.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace flightdeck {

namespace {

// The host file a read of `path` goes to: what the open transaction stages for it, if anything.
std::string ReadableHostPath(std::string_view path) {
  std::string host = HostPath(path);
  std::string staged = TFileTransaction::StagedHostPath(host);
  return staged.empty() ? host : staged;
}

bool StatPath(std::string_view path, struct stat& info) {
  return !HasNulByte(path) && stat(ReadableHostPath(path).c_str(), &info) == 0;
}

} // namespace

bool FileExists(std::string_view path) {
  struct stat info {};
  return StatPath(path, info) && S_ISREG(info.st_mode);
}

bool DirectoryExists(std::string_view path) {
  struct stat info {};
  return StatPath(path, info) && S_ISDIR(info.st_mode);
}

namespace {

// Opens a regular file for reading; not blocking on open, so that a pipe in a file's place
// cannot hang the program.
TFileDescriptor OpenForReading(std::string_view path) {
  const std::string host = ReadableHostPath(path);
  CheckIoFault(TIoStep::OpenForReading, host);
  TFileDescriptor file(open(host.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.Get() < 0)
    RaiseLastIOError(host);
  struct stat info {};
  if (fstat(file.Get(), &info) != 0)
    RaiseLastIOError(host);
  if (!S_ISREG(info.st_mode))
    throw EInOutError(S_ISDIR(info.st_mode) ? EISDIR : EINVAL, host);
  return file;
}

} // namespace

void CheckFileReadable(std::string_view path) {
  OpenForReading(path);
}

void ReadFilePieces(std::string_view path, const std::function<void(std::string_view)>& consume) {
  const std::string host = ReadableHostPath(path);
  CheckIoFault(TIoStep::OpenForReading, host);
  ReadHostPieces(host, consume);
}

std::string ReadFileBytes(std::string_view path) {
  const std::string host = ReadableHostPath(path);
  CheckIoFault(TIoStep::OpenForReading, host);
  return ReadHostFile(host);
}

void CopyFileReplacing(std::string_view source, std::string_view destination) {
  TFileTransaction transaction;
  transaction.StageCopy(source, destination);
  transaction.Commit();
}

bool RemoveFile(std::string_view path) {
  if (HasNulByte(path))
    return false;
  const std::string host = HostPath(path);
  if (unlink(host.c_str()) != 0)
    return false;
  NoteHostEntryRemoved(host);
  return true;
}

bool IsSameFile(std::string_view a, std::string_view b) {
  struct stat first {};
  struct stat second {};
  return StatPath(a, first) && StatPath(b, second) && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

std::optional<std::int64_t> FileModifiedTime(std::string_view path) {
  struct stat info {};
  if (!StatPath(path, info))
    return std::nullopt;
  return static_cast<std::int64_t>(info.st_mtime);
}

void SetFileModifiedTime(std::string_view path, std::int64_t seconds) {
  const timespec times[2] = {{static_cast<time_t>(seconds), 0}, {static_cast<time_t>(seconds), 0}};
  const std::string host = HostPath(path);
  if (utimensat(AT_FDCWD, host.c_str(), times, 0) != 0)
    RaiseLastIOError(host);
}

void ForceDirectories(std::string_view path) {
  const std::string host = HostPath(path);
  for (std::size_t at = host.find('/', 1);; at = host.find('/', at + 1)) {
    const std::string prefix = host.substr(0, at);
    if (!prefix.empty()) {
      if (mkdir(prefix.c_str(), 0777) == 0)
        NoteHostEntryCreated(prefix);
      else if (errno != EEXIST)
        RaiseLastIOError(prefix);
    }
    if (at == std::string::npos)
      return;
  }
}

bool IsInsideDirectory(std::string_view path, std::string_view directory) {
  if (HasNulByte(path) || HasNulByte(directory))
    return false;
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
