// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/Command.h"

#include <string>

namespace flightdeck::test {

// Runs flightdeck-cli with the given (shell-quoted) arguments.
inline TCommandResult RunCli(const std::string& arguments) {
  return RunCommand(std::string(FLIGHTDECK_CLI) + " " + arguments);
}

} // namespace flightdeck::test
