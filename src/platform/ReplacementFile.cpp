#include "platform/ReplacementFile.h"

#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "platform/IoFaults.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>

namespace flightdeck {

namespace {

constexpr std::string_view TempPrefix = ".flightdeck-save-";

std::string DirectoryOf(const std::string& hostPath) {
  const size_t slash = hostPath.rfind('/');
  if (slash == std::string::npos)
    return ".";
  return slash == 0 ? "/" : hostPath.substr(0, slash);
}

// A temporary file is left over when the save that made it ended without cleaning up (a crash,
// a kill): its name carries the process that made it, and that process is gone. Names without
// a process come from older versions, which are not running now.
bool IsLeftOver(const std::string& name) {
  if (name.compare(0, TempPrefix.size(), TempPrefix) != 0)
    return false;
  char* end = nullptr;
  const long pid = std::strtol(name.c_str() + TempPrefix.size(), &end, 10);
  if (*end != '-' || pid <= 0 || pid > INT_MAX)
    return true;
  return kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

void RemoveLeftOvers(const std::string& directory) {
  if (!FirstVisitInScope(directory))
    return;
  for (const std::string& name : HostFolderNames(directory))
    if (IsLeftOver(name)) {
      const std::string path = directory + "/" + name;
      if (unlink(path.c_str()) == 0)
        NoteHostEntryRemoved(path);
    }
}

// Creates a new, uniquely named file in `directory`; its name goes to `tempPath`.
int CreateTempFile(const std::string& directory, std::string& tempPath) {
  static std::mt19937 generator{std::random_device{}()};
  for (;;) {
    char suffix[32];
    static const long pid = static_cast<long>(getpid());
    std::snprintf(suffix, sizeof suffix, "%ld-%08x", pid, static_cast<unsigned>(generator()));
    tempPath = directory + "/" + std::string(TempPrefix) + suffix;
    CheckIoFault(TIoStep::Create, tempPath);
    const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST)
      return fd;
  }
}

// A link to an existing file is replaced through: its target gets the new content and the link
// stays. A link that leads nowhere is replaced itself, so that no file is ever created where a
// stray link points.
std::string FollowLink(const std::string& hostPath) {
  struct stat info {};
  if (lstat(hostPath.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
    return hostPath;
  char resolved[PATH_MAX];
  return realpath(hostPath.c_str(), resolved) ? std::string(resolved) : hostPath;
}

} // namespace

TReplacementFile::TReplacementFile(std::string_view path) : FTarget(FollowLink(HostPath(path))) {
  struct stat existing {};
  const bool replacing = stat(FTarget.c_str(), &existing) == 0;
  if (replacing && S_ISDIR(existing.st_mode))
    throw EInOutError(EISDIR, FTarget);
  const std::string directory = DirectoryOf(FTarget);
  RemoveLeftOvers(directory);
  std::string tempPath;
  TFileDescriptor file(CreateTempFile(directory, tempPath));
  if (file.Get() < 0)
    RaiseLastIOError(FTarget);
  FTemp = std::move(tempPath);
  FFile = std::move(file);
  // The replacement keeps the permissions of the file it replaces.
  if (replacing && fchmod(FFile.Get(), existing.st_mode & 07777) != 0)
    RaiseLastIOError(FTarget);
}

TReplacementFile::TReplacementFile(TReplacementFile&& other) noexcept
    : FTarget(std::move(other.FTarget)), FTemp(std::exchange(other.FTemp, {})),
      FFile(std::move(other.FFile)), FDigest(other.FDigest) {}

TReplacementFile::~TReplacementFile() {
  FFile.Close();
  if (!FTemp.empty())
    unlink(FTemp.c_str());
}

void TReplacementFile::Write(std::string_view bytes) {
  CheckIoFault(TIoStep::Write, FTarget);
  FDigest.Add(bytes);
  while (!bytes.empty()) {
    const ssize_t count = write(FFile.Get(), bytes.data(), bytes.size());
    if (count < 0) {
      if (errno == EINTR)
        continue;
      RaiseLastIOError(FTarget);
    }
    bytes.remove_prefix(static_cast<size_t>(count));
  }
}

void TReplacementFile::Finish() {
  if (FFile.Get() >= 0 && FFile.Close() != 0)
    RaiseLastIOError(FTarget);
}

void TReplacementFile::Commit() {
  Finish();
  CheckIoFault(TIoStep::Rename, FTarget);
  if (rename(FTemp.c_str(), FTarget.c_str()) != 0)
    RaiseLastIOError(FTarget);
  FTemp.clear();
  NoteHostEntryCreated(FTarget);
}

} // namespace flightdeck
