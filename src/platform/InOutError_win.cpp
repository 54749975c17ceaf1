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
  case ERROR_DIRECTORY_NOT_SUPPORTED:
    return "Is a folder, not a file";
  case ERROR_CANT_ACCESS_FILE: // a link, where the program follows none
    return "Is a link, not a file";
  case ERROR_BAD_FILE_TYPE:
    return "Not a regular file";
  default:
    break;
  }
  // The system's own words, in English where it has them.
  char text[512] = {};
  DWORD length =
      FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                     static_cast<DWORD>(errorCode), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                     text, sizeof text, nullptr);
  if (length == 0)
    length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                            static_cast<DWORD>(errorCode), 0, text, sizeof text, nullptr);
  while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r' ||
                        text[length - 1] == '.' || text[length - 1] == ' '))
    --length;
  return length > 0 ? std::string(text, length) : "I/O error " + std::to_string(errorCode);
}

} // namespace flightdeck
