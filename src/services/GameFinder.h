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
// keep the game. First where the stores put it unless told otherwise: Steam's own libraries
// (~/.steam/steam, ~/.local/share/Steam, Flatpak's and Snap's Steam; on Windows also the host's
// Steam) with their games and Proton prefixes; on Windows the folders of GOG's registry keys and
// GOG's default folders; Wine prefixes (`winePrefix`, ~/.wine); Heroic's games (~/Games/Heroic)
// and prefixes, Lutris' prefixes below ~/Games and Bottles' (native and Flatpak). Then the
// folders the stores' own lists name: every library of Steam's libraryfolders.vdf, Heroic's
// install folders (config.json, gog_store/installed.json) and the prefixes and programs of
// Lutris' game files. In a prefix it looks in drive_c's "Program Files", "Program Files (x86)"
// and "GOG Games". The game's usual folder names are tried first, then a few folder levels are
// searched, nothing else of the machine. Every file read, list and folder listing is bounded
// (Limits.h). The default places are always looked in by the usual names; the rest of the search
// ends after `budget`. A folder that cannot be read is passed over. The order is stable: by
// source as above, then by path.
std::vector<TFoundGame> FindGames(const std::string& home, const std::string& winePrefix,
                                  std::chrono::milliseconds budget = std::chrono::seconds(3));

// Where FindGames looks, in words for the user: "Steam (also Flatpak's) ...".
std::string_view GamePlacesSearched();

} // namespace flightdeck
