#include "platform/InOutError.h"

#include <cerrno>

namespace flightdeck {

std::string EInOutError::MessageFor(int errorCode) {
  switch (errorCode) {
  case EACCES:
  case EPERM:
  case EROFS:
  case EISDIR: // Windows refuses to open a directory as a file with "access denied" too.
    return "File access denied";
  case ENOSPC:
#ifdef EDQUOT
  case EDQUOT:
#endif
    return "Disk full";
  default:
    return "I/O error " + std::to_string(errorCode);
  }
}

} // namespace flightdeck
