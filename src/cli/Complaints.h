// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace flightdeck {

// Text bound for a terminal, which may hold what a file holds: UTF-8 (a byte that is not is read
// as Windows-1252, as the game's text is), and every control character but tab written as an
// escape ("\x1b"), so that no file can move the cursor, recolour the terminal or rename its
// window.
std::string TerminalText(std::string_view text);

// The control character (C0, DEL or C1) that the valid UTF-8 text `utf8` holds at `at`, if it
// holds one there; `at` is then moved to its last byte.
inline std::optional<unsigned> ControlCharacterAt(std::string_view utf8, std::size_t& at) {
  const auto byte = static_cast<unsigned char>(utf8[at]);
  if (byte < 0x20 || byte == 0x7F)
    return byte;
  // C1 controls are U+0080 to U+009F: 0xC2, then 0x80 to 0x9F.
  if (byte == 0xC2 && at + 1 < utf8.size() && static_cast<unsigned char>(utf8[at + 1]) < 0xA0)
    return static_cast<unsigned char>(utf8[++at]);
  return std::nullopt;
}

// Tells the user on standard error: "flightdeck-cli: " and the message as terminal text.
void Tell(std::string_view message);
// The same, for a failure; gives back `exitCode`.
int Fail(std::string_view message, int exitCode = 1);

} // namespace flightdeck
