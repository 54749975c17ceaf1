// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace flightdeck::test {

struct TCommandResult {
  int ExitCode = -1;
  std::string Output; // standard output and error together
};

// Runs a shell command and waits for it. Windows has no POSIX shell: there the command may only
// be words, quoted as the shell quotes them, and the first names the program.
TCommandResult RunCommand(const std::string& command);

// Quotes `text` for the shell.
std::string ShellQuote(const std::string& text);

} // namespace flightdeck::test
