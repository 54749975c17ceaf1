// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InOutError.h"

#include "platform/HostFiles.h"

#include <windows.h>

namespace flightdeck {

std::string EInOutError::MessageFor(int errorCode) {
  // The reasons the program gives itself.
  if (errorCode == NotARegularFileError(true))
    return "Is a folder, not a file";
  if (errorCode == NotARegularFileError(false))
    return "Not a regular file";
  if (errorCode == IsALinkError())
    return "Is a link, not a file";
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
