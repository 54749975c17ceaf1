#include "platform/InOutError.h"

#include <windows.h>

namespace flightdeck {

std::string EInOutError::MessageFor(int errorCode) {
  switch (errorCode) {
  case ERROR_ACCESS_DENIED:
  case ERROR_SHARING_VIOLATION:
  case ERROR_LOCK_VIOLATION:
  case ERROR_WRITE_PROTECT:
    return "File access denied";
  case ERROR_DISK_FULL:
  case ERROR_HANDLE_DISK_FULL:
    return "Disk full";
  default:
    return "I/O error " + std::to_string(errorCode);
  }
}

} // namespace flightdeck
