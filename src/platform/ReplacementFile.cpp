#include "platform/ReplacementFile.h"

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

} // namespace

TReplacementFile::TReplacementFile(std::string_view path) : FTarget(HostPath(path)) {
  struct stat existing {};
  const bool replacing = stat(FTarget.c_str(), &existing) == 0;
  if (replacing && S_ISDIR(existing.st_mode))
    throw EInOutError(EISDIR);
  std::string tempPath;
  TFileDescriptor file(CreateTempFile(DirectoryOf(FTarget), tempPath));
  if (file.Get() < 0)
    RaiseLastIOError();
  FTemp = std::move(tempPath);
  FFile = std::move(file);
  // The replacement keeps the permissions of the file it replaces.
  if (replacing && fchmod(FFile.Get(), existing.st_mode & 07777) != 0)
    RaiseLastIOError();
}

TReplacementFile::TReplacementFile(TReplacementFile&& other) noexcept
    : FTarget(std::move(other.FTarget)), FTemp(std::exchange(other.FTemp, {})),
      FFile(std::move(other.FFile)) {}

TReplacementFile::~TReplacementFile() {
  FFile.Close();
  if (!FTemp.empty())
    unlink(FTemp.c_str());
}

void TReplacementFile::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = write(FFile.Get(), bytes.data(), bytes.size());
    if (count < 0) {
      if (errno == EINTR)
        continue;
      RaiseLastIOError();
    }
    bytes.remove_prefix(static_cast<size_t>(count));
  }
}

void TReplacementFile::Finish() {
  if (FFile.Get() >= 0 && FFile.Close() != 0)
    RaiseLastIOError();
}

void TReplacementFile::Commit() {
  Finish();
  if (rename(FTemp.c_str(), FTarget.c_str()) != 0)
    RaiseLastIOError();
  FTemp.clear();
}

} // namespace flightdeck
