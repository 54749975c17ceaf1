#pragma once

#include <string>
#include <vector>

namespace flightdeck {

// A folder where games are usually kept, with a label for it.
struct TGamePlace {
  std::string Label;
  std::string Folder; // host path, without a trailing separator
};

// The places of this machine where X-wing vs. TIE Fighter usually lives, those that exist: the
// home folder; Wine prefixes (`winePrefix` when given, ~/.wine, and prefixes below ~/Games, as
// Lutris makes them); the Steam libraries' game folders and their Proton prefixes; Heroic's
// prefixes. A prefix is given as its drive_c. A place reached twice (a linked Steam folder) is
// listed once.
std::vector<TGamePlace> GamePlaces(const std::string& home, const std::string& winePrefix);

} // namespace flightdeck
