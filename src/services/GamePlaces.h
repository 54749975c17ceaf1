// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace flightdeck {

// A folder where games are usually kept, with a label for it: its kind ("Proton prefix"),
// followed by the name of the prefix where there are several ("Proton prefix 2310").
struct TGamePlace {
  std::string Folder; // host path, without a trailing separator
  std::string Kind;
  std::string Name;

  std::string Label() const { return Name.empty() ? Kind : Kind + " " + Name; }
};

// Where Steam keeps its own library (below the home folder, Flatpak's and Snap's Steam's, and
// where the host's Steam is installed), where Heroic installs games, and where Heroic, Lutris and
// Bottles put the prefixes they make.
std::vector<std::string> SteamRoots(const std::string& home);
std::string HeroicGames(const std::string& home);
std::string HeroicPrefixes(const std::string& home);
std::string LutrisPrefixes(const std::string& home);
std::vector<std::string> BottlesPrefixes(const std::string& home);

// The launchers' own lists of games: Heroic's config.json and gog_store/installed.json (native
// and Flatpak), and the folders of Lutris' game files (*.yml).
std::vector<std::string> HeroicLists(const std::string& home);
std::vector<std::string> LutrisGameLists(const std::string& home);

// The folders directly below `folder`, hidden ones left out, by name; of a huge folder, those
// among the first entries its listing gives (MaxFolderListing).
std::vector<std::string> SortedSubfolders(const std::string& folder);

// The names the game's folder has where its stores and installers put it, looked for in every
// place before any place is searched through.
const std::vector<std::string>& GameFolderNames();

// The places of this machine where X-wing vs. TIE Fighter usually lives, those that exist: the
// home folder; Wine prefixes (`winePrefix` when given, ~/.wine, and prefixes below ~/Games, as
// Lutris makes them); the Steam libraries' game folders and their Proton prefixes; on Windows,
// GOG's game folders; Heroic's games and prefixes. A prefix is given as its drive_c. A place
// reached twice (a linked Steam folder) is listed once.
std::vector<TGamePlace> GamePlaces(const std::string& home, const std::string& winePrefix);

} // namespace flightdeck
