// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Complaints.h"

#include "platform/Windows1252.h"

#include <cstdio>
#include <iostream>

namespace flightdeck {

std::string TerminalText(std::string_view text) {
  const std::string utf8 = LenientUtf8(text);
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size(); ++at) {
    const std::optional<unsigned> control =
        utf8[at] == '\t' ? std::nullopt : ControlCharacterAt(utf8, at);
    if (control) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", *control);
      out += escaped;
    } else {
      out += utf8[at];
    }
  }
  return out;
}

void Tell(std::string_view message) {
  std::cerr << "flightdeck-cli: " << TerminalText(message) << "\n";
}

int Fail(std::string_view message, int exitCode) {
  Tell(message);
  return exitCode;
}

} // namespace flightdeck
