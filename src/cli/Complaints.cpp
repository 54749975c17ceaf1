// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Complaints.h"

#include "platform/Windows1252.h"

#include <cstdio>
#include <iostream>

namespace flightdeck {

std::optional<unsigned> ControlCharacterAt(std::string_view utf8, std::size_t& at) {
  const auto byte = static_cast<unsigned char>(utf8[at]);
  if (byte < 0x20 || byte == 0x7F)
    return byte;
  // C1 controls are U+0080 to U+009F: 0xC2, then 0x80 to 0x9F.
  if (byte == 0xC2 && at + 1 < utf8.size() && static_cast<unsigned char>(utf8[at + 1]) < 0xA0)
    return static_cast<unsigned char>(utf8[++at]);
  return std::nullopt;
}

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
