// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HostNames.h"

#include "platform/Windows1252.h"

namespace flightdeck {

std::string HostFileName(std::string_view gameName) {
  return Windows1252ToUtf8(gameName);
}

std::optional<std::string> GameFileName(std::string_view hostName) {
  return Utf8ToWindows1252Exactly(LenientUtf8(hostName));
}

TMessage UnlistableNameReason() {
  return TMessage::Own(TRANSLATABLE(
      "Message",
      "its name has characters the game's lists cannot hold (they are Windows-1252 text)"));
}

} // namespace flightdeck
