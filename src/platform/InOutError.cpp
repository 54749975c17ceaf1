#include "platform/InOutError.h"

#include <cerrno>

namespace flightdeck {

EInOutError::EInOutError(int errorCode, std::string path)
    : std::runtime_error(MessageFor(errorCode)), FErrorCode(errorCode), FPath(std::move(path)) {}

EInOutError::EInOutError(int errorCode, std::string path, const std::string& message)
    : std::runtime_error(message), FErrorCode(errorCode), FPath(std::move(path)) {}

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

void RaiseLastIOError(const std::string& path) {
  throw EInOutError(errno, path);
}

} // namespace flightdeck
