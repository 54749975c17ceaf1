#include "platform/InOutError.h"

#include <cerrno>

namespace flightdeck {

EInOutError::EInOutError(int errorCode)
    : std::runtime_error(MessageFor(errorCode)), FErrorCode(errorCode) {}

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

void RaiseLastIOError() {
  throw EInOutError(errno);
}

} // namespace flightdeck
