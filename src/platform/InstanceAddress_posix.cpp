// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstanceAddress.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace flightdeck {

namespace {

// A folder only this user can enter: it exists or is made now, with mode 0700, and is checked to
// be a folder of the user's own that nobody else may enter.
bool IsPrivateFolder(const std::string& folder) {
  ::mkdir(folder.c_str(), 0700);
  struct stat state {};
  return ::lstat(folder.c_str(), &state) == 0 && S_ISDIR(state.st_mode) &&
         state.st_uid == ::getuid() && (state.st_mode & 077) == 0;
}

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

} // namespace

std::string InstanceAddress(const std::string& display) {
  std::string folder = Variable("XDG_RUNTIME_DIR");
  if (folder.empty() || !IsPrivateFolder(folder)) {
    const std::string temporary = Variable("TMPDIR");
    folder = (temporary.empty() ? "/tmp" : temporary) + "/flightdeck-" + std::to_string(::getuid());
  }
  if (!IsPrivateFolder(folder))
    return {};
  std::string name = display;
  for (char& c : name)
    if (c == '/')
      c = '_';
  return folder + "/flightdeck-" + name;
}

bool IsOwnOrFreeAddress(const std::string& address) {
  struct stat state {};
  return ::lstat(address.c_str(), &state) != 0 ||
         (S_ISSOCK(state.st_mode) && state.st_uid == ::getuid());
}

} // namespace flightdeck
