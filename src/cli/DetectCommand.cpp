// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DetectCommand.h"

#include "cli/JsonText.h"
#include "services/GameFinder.h"

#include <cstdlib>
#include <iostream>

namespace flightdeck {

int DetectCommand(const TInvocation&) {
  const char* home = std::getenv("HOME");
  const char* prefix = std::getenv("WINEPREFIX");
  for (const TFoundGame& game : FindGames(home ? home : "", prefix ? prefix : ""))
    std::cout << "{\"path\":" << JsonStringUtf8(game.Path)
              << ",\"source\":" << JsonStringUtf8(game.Source) << "}\n";
  return 0;
}

} // namespace flightdeck
