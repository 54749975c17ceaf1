// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstanceAddress.h"

#include "platform/Windows1252.h"

#include <windows.h>

namespace flightdeck {

std::string InstanceAddress(const std::string&) {
  // A pipe name is the same for the user's every start in one logon session, whatever the
  // display; the pipe itself is made for the user alone.
  wchar_t user[257] = {};
  DWORD length = 257;
  DWORD session = 0;
  if (!GetUserNameW(user, &length) || !ProcessIdToSessionId(GetCurrentProcessId(), &session))
    return {};
  const std::u16string name(user, user + length - 1);
  return "flightdeck-" + Utf16ToUtf8(name) + "-" + std::to_string(session);
}

bool IsOwnOrFreeAddress(const std::string&) {
  return true; // the pipe's own access rules keep others out
}

} // namespace flightdeck
