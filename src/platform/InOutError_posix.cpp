// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InOutError.h"

#include <cerrno>
#include <cstring>

namespace flightdeck {

std::string EInOutError::MessageFor(int errorCode) {
  switch (errorCode) {
  case EACCES:
  case EPERM:
  case EROFS:
    return "File access denied";
  case ENOSPC:
#ifdef EDQUOT
  case EDQUOT:
#endif
    return "Disk full";
  case EISDIR:
    return "Is a folder, not a file";
  case ELOOP: // a link, where the program follows none
    return "Is a link, not a file";
  case EINVAL: // what the program gives itself for a pipe, device or socket
    return "Not a regular file";
  default:
    return std::strerror(errorCode);
  }
}

} // namespace flightdeck
