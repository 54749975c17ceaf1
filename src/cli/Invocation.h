// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/Session.h"
#include "lists/MissionTypes.h"

#include <map>
#include <string>
#include <vector>

namespace flightdeck {

// One command line as a command sees it: the list it works on (for the commands that take
// GAMEDIR CATEGORY SIDE, or the part of the game named by GAMEDIR [CATEGORY [SIDE]]), its other
// arguments in order, and its options ("--swap" maps to ""). Arguments and options are UTF-8, as
// the shell passes them. A command that changes the game gets the session it works in; it
// commits it when it succeeds.
struct TInvocation {
  std::string GameDirectory; // with a trailing separator
  TMissionType Type = mtBattles;
  TGender Side = gnNeutral;
  int ListWords = 0; // how many of CATEGORY and SIDE were given
  std::vector<std::string> Arguments;
  std::map<std::string, std::string> Options;
  TSession* Session = nullptr; // for a command that changes the game

  bool Has(const std::string& option) const { return Options.count(option) > 0; }
};

} // namespace flightdeck
