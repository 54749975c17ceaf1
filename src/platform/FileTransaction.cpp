#include "platform/FileTransaction.h"

#include "platform/FileDescriptor.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>

namespace flightdeck {

namespace {

std::string DirectoryOf(const std::string& hostPath) {
  const size_t slash = hostPath.rfind('/');
  if (slash == std::string::npos)
    return ".";
  return slash == 0 ? "/" : hostPath.substr(0, slash);
}

// Creates a new, uniquely named file in `directory`; its name goes to `tempPath`.
int CreateTempFile(const std::string& directory, std::string& tempPath) {
  static std::mt19937 generator{std::random_device{}()};
  for (;;) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(generator()));
    tempPath = directory + "/.flightdeck-save-" + suffix;
    const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST)
      return fd;
  }
}

void WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = write(fd, bytes.data(), bytes.size());
    if (count < 0) {
      if (errno == EINTR)
        continue;
      RaiseLastIOError();
    }
    bytes.remove_prefix(static_cast<size_t>(count));
  }
}

} // namespace

TFileTransaction::~TFileTransaction() {
  for (size_t i = FCommitted; i < FStaged.size(); ++i)
    unlink(FStaged[i].TempPath.c_str());
}

void TFileTransaction::Stage(std::string_view path, std::string_view bytes) {
  std::string target = HostPath(path);
  struct stat existing {};
  const bool replacing = stat(target.c_str(), &existing) == 0;
  if (replacing && S_ISDIR(existing.st_mode))
    throw EInOutError(EISDIR);

  std::string tempPath;
  TFileDescriptor file(CreateTempFile(DirectoryOf(target), tempPath));
  if (file.Get() < 0)
    RaiseLastIOError();
  FStaged.push_back({tempPath, std::move(target)});
  // The replacement keeps the permissions of the file it replaces.
  if (replacing && fchmod(file.Get(), existing.st_mode & 07777) != 0)
    RaiseLastIOError();
  WriteAll(file.Get(), bytes);
  if (file.Close() != 0)
    RaiseLastIOError();
}

void TFileTransaction::Commit() {
  for (; FCommitted < FStaged.size(); ++FCommitted) {
    const TStagedFile& staged = FStaged[FCommitted];
    if (rename(staged.TempPath.c_str(), staged.TargetPath.c_str()) != 0)
      RaiseLastIOError();
  }
}

void SaveFileAtomically(std::string_view path, std::string_view bytes) {
  TFileTransaction transaction;
  transaction.Stage(path, bytes);
  transaction.Commit();
}

} // namespace flightdeck
