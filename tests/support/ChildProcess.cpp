// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ChildProcess.h"

#include "platform/InOutError.h"

#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <stdexcept>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace flightdeck::test {

namespace {

void WriteToPipe(int fd, const std::string& text) {
  const char* data = text.data();
  size_t left = text.size();
  while (left > 0) {
    const ssize_t count = write(fd, data, left);
    if (count <= 0)
      return;
    data += count;
    left -= static_cast<size_t>(count);
  }
}

void WriteProcFile(const char* path, const std::string& text) {
  const int fd = open(path, O_WRONLY);
  if (fd < 0)
    throw std::runtime_error(std::string("cannot open ") + path);
  WriteToPipe(fd, text);
  close(fd);
}

} // namespace

TChildOutcome RunInChild(const std::function<void()>& prepare,
                         const std::function<void()>& action) {
  int channel[2];
  if (pipe(channel) != 0)
    throw std::runtime_error("pipe failed");
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    std::string report;
    try {
      prepare();
    } catch (const std::runtime_error& error) {
      WriteToPipe(channel[1], std::string("S") + error.what());
      _exit(0);
    }
    try {
      action();
      report = "M";
    } catch (const EInOutError& error) {
      report = std::string("M") + error.what();
    } catch (const std::exception& error) {
      report = std::string("Munexpected exception: ") + error.what();
    }
    WriteToPipe(channel[1], report);
    _exit(0);
  }
  close(channel[1]);
  std::string report;
  char buffer[512];
  ssize_t count;
  while ((count = read(channel[0], buffer, sizeof buffer)) > 0)
    report.append(buffer, static_cast<size_t>(count));
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (report.empty())
    return {false, "child process ended without a report"};
  return {report[0] == 'S', report.substr(1)};
}

void BecomeUnprivileged() {
  if (geteuid() != 0)
    return;
  constexpr uid_t Nobody = 65534;
  if (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0)
    throw std::runtime_error("cannot give up root rights");
}

void MountSmallFileSystem(const std::string& directory, unsigned bytes) {
  const uid_t uid = geteuid();
  const gid_t gid = getegid();
  if (uid != 0) {
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
      throw std::runtime_error("no user namespaces on this machine");
    WriteProcFile("/proc/self/setgroups", "deny");
    WriteProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1");
    WriteProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1");
  } else if (unshare(CLONE_NEWNS) != 0) {
    throw std::runtime_error("no mount namespaces on this machine");
  }
  if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
    throw std::runtime_error("cannot make the mounts private");
  const std::string options = "size=" + std::to_string(bytes);
  if (mount("tmpfs", directory.c_str(), "tmpfs", 0, options.c_str()) != 0)
    throw std::runtime_error("cannot mount a small file system");
}

} // namespace flightdeck::test
