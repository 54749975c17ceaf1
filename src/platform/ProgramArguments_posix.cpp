// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramArguments.h"

namespace flightdeck {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

} // namespace flightdeck
