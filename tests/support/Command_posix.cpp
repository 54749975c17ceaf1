// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/Command.h"

#include <cstdio>
#include <sys/wait.h>

namespace flightdeck::test {

TCommandResult RunCommand(const std::string& command) {
  TCommandResult result;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe)
    return result;
  char buffer[4096];
  std::size_t count;
  while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0)
    result.Output.append(buffer, count);
  const int status = pclose(pipe);
  result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

} // namespace flightdeck::test
