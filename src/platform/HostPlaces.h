// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace flightdeck {

// Where the host's own stores put their games, for the game finder: nothing on POSIX, where the
// game lives in Wine prefixes below the home folder (see GamePlaces); on Windows, Steam's
// folder as its registry key names it (else its default folder) and the folders GOG's registry
// keys name, with GOG's default folders. Host paths; only those that exist.
struct THostGameFolders {
  std::vector<std::string> SteamRoots; // each with its steamapps folder
  std::vector<std::string> GogGames;   // a game each, or a folder of games
};
THostGameFolders HostGameFolders();

} // namespace flightdeck
