// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/Command.h"

namespace flightdeck::test {

std::string ShellQuote(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text)
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

} // namespace flightdeck::test
