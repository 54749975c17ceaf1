// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace flightdeck {

// The words the program was started with after its name, as host text: UTF-8. On Windows they
// are taken from the wide command line, not from `argv`, whose text the ANSI code page narrows.
std::vector<std::string> ProgramArguments(int argc, char** argv);

} // namespace flightdeck
