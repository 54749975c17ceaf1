// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HostFiles.h"

#include "platform/InOutError.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace flightdeck {

namespace {

int Fd(std::intptr_t handle) {
  return static_cast<int>(handle);
}

} // namespace

THostFile THostFile::OpenRegular(const THostPath& hostPath, bool followLink) {
  // Not blocking on open, so that a pipe in a file's place cannot hang the program.
  THostFile file(
      open(hostPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW)));
  struct stat info {};
  if (!file.IsOpen() || fstat(Fd(file.FHandle), &info) != 0)
    RaiseLastIOError(hostPath.Native());
  if (!S_ISREG(info.st_mode))
    throw EInOutError(NotARegularFileError(S_ISDIR(info.st_mode)), hostPath.Native());
  file.FSize = static_cast<std::uint64_t>(info.st_size);
  return file;
}

THostFile THostFile::CreateNew(const THostPath& hostPath) {
  return THostFile(open(hostPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
}

THostFile THostFile::CreatePrivate(const THostPath& hostPath) {
  return THostFile(open(hostPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
}

std::size_t THostFile::Read(char* buffer, std::size_t size, const THostPath& hostPath) const {
  for (;;) {
    const ssize_t count = read(Fd(FHandle), buffer, size);
    if (count >= 0)
      return static_cast<std::size_t>(count);
    if (errno != EINTR)
      RaiseLastIOError(hostPath.Native());
  }
}

std::size_t THostFile::ReadAt(char* buffer, std::size_t size, std::uint64_t offset,
                              const THostPath& hostPath) const {
  for (;;) {
    const ssize_t count = pread(Fd(FHandle), buffer, size, static_cast<off_t>(offset));
    if (count >= 0)
      return static_cast<std::size_t>(count);
    if (errno != EINTR)
      RaiseLastIOError(hostPath.Native());
  }
}

std::size_t ReadStandardInput(char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t count = read(STDIN_FILENO, buffer, size);
    if (count >= 0)
      return static_cast<std::size_t>(count);
    if (errno != EINTR)
      RaiseLastIOError("standard input");
  }
}

bool THostFile::WriteAll(std::string_view bytes) const {
  while (!bytes.empty()) {
    const ssize_t count = write(Fd(FHandle), bytes.data(), bytes.size());
    if (count < 0 && errno != EINTR)
      return false;
    bytes.remove_prefix(static_cast<std::size_t>(std::max<ssize_t>(count, 0)));
  }
  return true;
}

bool THostFile::Sync() const {
  return fsync(Fd(FHandle)) == 0;
}

bool THostFile::TakePermissions(std::uint32_t permissions) const {
  return fchmod(Fd(FHandle), static_cast<mode_t>(permissions)) == 0;
}

bool THostFile::Close() {
  const bool closed = !IsOpen() || close(Fd(FHandle)) == 0;
  FHandle = Closed;
  return closed;
}

std::optional<THostFileState> HostFileState(const THostPath& hostPath) {
  struct stat info {};
  if (stat(hostPath.c_str(), &info) != 0)
    return std::nullopt;
  const auto nanoseconds = [](const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
  };
  return THostFileState{S_ISREG(info.st_mode),
                        S_ISDIR(info.st_mode),
                        static_cast<std::uint64_t>(info.st_size),
                        static_cast<std::uint64_t>(info.st_dev),
                        static_cast<std::uint64_t>(info.st_ino),
                        nanoseconds(info.st_mtim),
                        nanoseconds(info.st_ctim),
                        static_cast<std::uint32_t>(info.st_mode & 07777)};
}

bool HostEntryExists(const THostPath& hostPath) {
  struct stat info {};
  return lstat(hostPath.c_str(), &info) == 0;
}

bool IsHostLink(const THostPath& hostPath) {
  struct stat info {};
  return lstat(hostPath.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

THostPath FollowHostLink(const THostPath& hostPath) {
  struct stat info {};
  if (lstat(hostPath.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
    return hostPath;
  const THostPath real = RealHostPath(hostPath);
  return real.Empty() ? hostPath : real;
}

THostPath RealHostPath(const THostPath& hostPath) {
  char resolved[PATH_MAX];
  return realpath(hostPath.c_str(), resolved) ? THostPath(resolved) : THostPath();
}

bool RemoveHostFile(const THostPath& hostPath) {
  return unlink(hostPath.c_str()) == 0;
}

bool RenameHostFile(const THostPath& from, const THostPath& to) {
  return rename(from.c_str(), to.c_str()) == 0;
}

bool MakeHostDirectory(const THostPath& hostPath) {
  return mkdir(hostPath.c_str(), 0777) == 0;
}

bool LinkHostFile(const THostPath& existing, const THostPath& link) {
  return linkat(AT_FDCWD, existing.c_str(), AT_FDCWD, link.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

bool SetHostModifiedTime(const THostPath& hostPath, std::int64_t seconds) {
  const timespec times[2] = {{static_cast<time_t>(seconds), 0}, {static_cast<time_t>(seconds), 0}};
  return utimensat(AT_FDCWD, hostPath.c_str(), times, 0) == 0;
}

std::vector<std::string> ReadHostFolder(const THostPath& hostFolder, std::size_t limit) {
  std::vector<std::string> names;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(hostFolder.Empty() ? "." : hostFolder.c_str()),
                                          closedir);
  if (!dir)
    return names;
  while (names.size() < limit) {
    const dirent* entry = readdir(dir.get());
    if (!entry)
      break;
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..")
      names.emplace_back(name);
  }
  return names;
}

THostPath HostTemporaryBase() {
  const char* const variable = std::getenv("TMPDIR");
  std::string base = variable && *variable ? variable : "/tmp";
  return THostPath(base.back() == '/' ? base : base + '/');
}

bool MakePrivateHostDirectory(const THostPath& hostPath) {
  return mkdir(hostPath.c_str(), 0700) == 0;
}

bool IsOwnHostEntry(const THostPath& hostPath, bool folder) {
  struct stat info {};
  return lstat(hostPath.c_str(), &info) == 0 && info.st_uid == geteuid() &&
         (folder ? S_ISDIR(info.st_mode) && (info.st_mode & 07777) == 0700 : S_ISREG(info.st_mode));
}

bool HostNamesHaveCase() {
  return true;
}

long HostProcessId() {
  static const long id = static_cast<long>(getpid());
  return id;
}

bool HostProcessEnded(long processId) {
  return kill(static_cast<pid_t>(processId), 0) != 0 && errno == ESRCH;
}

namespace {

std::string TagOf(unsigned long long number) {
  char tag[16];
  std::snprintf(tag, sizeof tag, "%08llx", number & 0xffffffffULL);
  return tag;
}

} // namespace

std::string HostBootTag() {
  static const std::string tag = [] {
    char id[64] = {};
    if (FILE* file = std::fopen("/proc/sys/kernel/random/boot_id", "r")) {
      if (!std::fgets(id, sizeof id, file))
        id[0] = '\0';
      std::fclose(file);
    }
    std::string digits;
    for (const char* c = id; *c && digits.size() < 8; ++c)
      if (std::isxdigit(static_cast<unsigned char>(*c)))
        digits += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
    return digits.size() == 8 ? digits : std::string("00000000");
  }();
  return tag;
}

std::string HostProcessSpaceTag() {
  static const std::string tag = [] {
    char link[64] = {}; // "pid:[4026531836]"
    const ssize_t length = readlink("/proc/self/ns/pid", link, sizeof link - 1);
    const char* const number = length > 0 ? std::strchr(link, '[') : nullptr;
    return TagOf(number ? std::strtoull(number + 1, nullptr, 10) : 0);
  }();
  return tag;
}

int LastHostError() {
  return errno;
}

bool IsNotFound(int error) {
  return error == ENOENT || error == ENOTDIR;
}

bool IsAlreadyExists(int error) {
  return error == EEXIST;
}

bool IsNameRefused(int error) {
  return error == ENAMETOOLONG;
}

int NotARegularFileError(bool directory) {
  return directory ? EISDIR : EINVAL;
}

int IsALinkError() {
  return ELOOP;
}

int TooLargeError() {
  return EFBIG;
}

int NoSuchFileError() {
  return ENOENT;
}

THostPath HostDataFolder() {
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
    return THostPath(std::string(data) + "/flightdeck");
  const char* home = std::getenv("HOME");
  return THostPath(std::string(home ? home : "") + "/.local/share/flightdeck");
}

} // namespace flightdeck
