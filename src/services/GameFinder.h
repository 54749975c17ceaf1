// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace flightdeck {

// A game directory found on this machine, and where it was found: "steam", "proton", "gog"
// (Windows), "wine", "heroic", "lutris" or "bottles".
struct TFoundGame {
  std::string Path; // host path, without a trailing separator
  std::string Source;
};

// Finds the folders that hold the five category folders of X-wing vs. TIE Fighter where players
// keep the game: the Steam libraries (~/.steam/steam, ~/.local/share/Steam, Flatpak's Steam and
// every library their libraryfolders.vdf lists; on Windows also the host's Steam) with their
// games and Proton prefixes; on Windows the folders of GOG's registry keys and GOG's default
// folders; Wine prefixes (`winePrefix`, ~/.wine), Heroic's, Lutris' prefixes below ~/Games and
// Bottles' (native and Flatpak). In a prefix it looks in drive_c's "Program Files",
// "Program Files (x86)" and "GOG Games". The game's usual folder names are tried in every place
// first, then a few folder levels are searched, nothing else of the machine. Every file read,
// library list and folder listing is bounded (Limits.h), and the search ends after `budget`; a
// folder that cannot be read is passed over. The order is stable: by source as above, then by
// path.
std::vector<TFoundGame> FindGames(const std::string& home, const std::string& winePrefix,
                                  std::chrono::milliseconds budget = std::chrono::seconds(3));

// Where FindGames looks, in words for the user: "Steam (also Flatpak's) ...".
std::string_view GamePlacesSearched();

// The library folders a Steam libraryfolders.vdf names ("path" entries), in file order.
std::vector<std::string> SteamLibraryFolders(const std::string& vdfText);

} // namespace flightdeck
