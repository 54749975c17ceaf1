// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/GameFinder.h"

#include "lists/MissionTypes.h"
#include "platform/FileSystem.h"
#include "platform/HostFiles.h"
#include "platform/HostPath.h"
#include "platform/HostPlaces.h"
#include "platform/Limits.h"
#include "platform/Translatable.h"
#include "services/GamePlaces.h"
#include "services/LauncherLists.h"

#include <algorithm>
#include <optional>

namespace flightdeck {

namespace {

// Below a place, the game may lie this many folders down ("common/Game/XvT").
constexpr int SearchDepth = 2;

class TGameSearch {
public:
  // First only the game's usual folder names are looked for in each place, so that the game is
  // found however much else a place holds; then the places are searched through.
  void KnownNamesOnly(bool knownNamesOnly) { FKnownNamesOnly = knownNamesOnly; }

  // From now on, the search ends at `deadline`.
  void EndAt(std::chrono::steady_clock::time_point deadline) { FDeadline = deadline; }
  bool PastDeadline() const { return FDeadline && std::chrono::steady_clock::now() > *FDeadline; }

  // Looks for games in `folder` and up to `depth` levels below it.
  void Scan(const std::string& folder, int depth, const std::string& source) {
    if (PastDeadline() || !DirectoryExists(folder))
      return;
    if (IsXvTDirectory(folder + "/")) {
      Add(folder, source);
      return;
    }
    if (depth == 0)
      return;
    for (const std::string& name : FKnownNamesOnly ? GameFolderNames() : SortedSubfolders(folder))
      Scan(folder + "/" + name, depth - 1, source);
  }

  // The games of a Wine prefix: below drive_c's program folders.
  void ScanPrefix(const std::string& prefix, const std::string& source) {
    for (const char* programs : {"Program Files", "Program Files (x86)", "GOG Games"})
      Scan(prefix + "/drive_c/" + programs, SearchDepth, source);
  }

  // Every prefix directly below `folder`, `inside` each (for Proton: "pfx").
  void ScanPrefixesBelow(const std::string& folder, const std::string& inside,
                         const std::string& source) {
    if (PastDeadline())
      return;
    for (const std::string& name : SortedSubfolders(folder))
      ScanPrefix(folder + "/" + name + inside, source);
  }

  // A Steam library's games and Proton prefixes.
  void ScanSteamLibrary(const std::string& library) {
    Scan(library + "/steamapps/common", SearchDepth, "steam");
    ScanPrefixesBelow(library + "/steamapps/compatdata", "/pfx", "proton");
  }

  // By source in the order of TFoundGame, then by path.
  std::vector<TFoundGame> Take() {
    constexpr std::string_view sources[] = {"steam",  "proton", "gog",    "wine",
                                            "heroic", "lutris", "bottles"};
    const auto rank = [&](const TFoundGame& game) {
      return std::find(std::begin(sources), std::end(sources), game.Source) - std::begin(sources);
    };
    std::sort(FFound.begin(), FFound.end(), [&](const TFoundGame& a, const TFoundGame& b) {
      return std::pair(rank(a), a.Path) < std::pair(rank(b), b.Path);
    });
    return std::move(FFound);
  }

private:
  void Add(const std::string& folder, const std::string& source) {
    const std::string path = HostPath(folder).Native();
    if (std::none_of(FFound.begin(), FFound.end(),
                     [&](const TFoundGame& found) { return IsSameFile(found.Path, path); }))
      FFound.push_back({path, source});
  }

  std::optional<std::chrono::steady_clock::time_point> FDeadline;
  bool FKnownNamesOnly = true;
  std::vector<TFoundGame> FFound;
};

std::string ReadTextOrEmpty(const std::string& path) {
  try {
    return FileExists(path) ? ReadFileStart(path, MaxLibraryFileSize) : std::string();
  } catch (const std::exception&) {
    return {};
  }
}

// Where the stores put games unless told otherwise.
void ScanDefaultPlaces(TGameSearch& search, const std::string& home,
                       const std::string& winePrefix) {
  for (const std::string& steam : SteamRoots(home))
    search.ScanSteamLibrary(steam);
  for (const std::string& gog : HostGameFolders().GogGames)
    search.Scan(gog, 1, "gog"); // a game's own folder, or the folder of GOG's games
  if (!winePrefix.empty())
    search.ScanPrefix(winePrefix, "wine");
  search.ScanPrefix(home + "/.wine", "wine");
  search.Scan(HeroicGames(home), 1, "heroic");
  search.ScanPrefixesBelow(HeroicPrefixes(home), "", "heroic");
  search.ScanPrefixesBelow(LutrisPrefixes(home), "", "lutris");
  for (const std::string& bottles : BottlesPrefixes(home))
    search.ScanPrefixesBelow(bottles, "", "bottles");
}

// The folders the stores' own lists name: Steam's libraries, Heroic's install folders, Lutris'
// prefixes and programs.
struct TListedPlaces {
  std::vector<std::string> SteamLibraries;
  std::vector<std::string> HeroicFolders;
  std::vector<TLutrisGame> LutrisGames;
};

// The lists are read within the search's budget too: a file at a time.
TListedPlaces ReadListedPlaces(const std::string& home, const TGameSearch& search) {
  TListedPlaces listed;
  for (const std::string& steam : SteamRoots(home))
    for (std::string& library :
         SteamLibraryFolders(ReadTextOrEmpty(steam + "/steamapps/libraryfolders.vdf")))
      listed.SteamLibraries.push_back(std::move(library));
  for (const std::string& list : HeroicLists(home))
    for (std::string& folder :
         HeroicGameFolders(search.PastDeadline() ? std::string() : ReadTextOrEmpty(list)))
      listed.HeroicFolders.push_back(std::move(folder));
  for (const std::string& folder : LutrisGameLists(home)) {
    if (!DirectoryExists(folder))
      continue;
    std::vector<std::string> names = ReadHostFolder(HostPath(folder), MaxFolderListing);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
      if (name.ends_with(".yml") && listed.LutrisGames.size() < MaxLibraryFolders &&
          !search.PastDeadline())
        listed.LutrisGames.push_back(LutrisGameOf(ReadTextOrEmpty(folder + "/" + name)));
  }
  return listed;
}

void ScanListedPlaces(TGameSearch& search, const TListedPlaces& listed) {
  for (const std::string& library : listed.SteamLibraries)
    search.ScanSteamLibrary(library);
  for (const std::string& folder : listed.HeroicFolders)
    search.Scan(folder, 1, "heroic"); // a game's own folder, or the folder of Heroic's games
  for (const TLutrisGame& game : listed.LutrisGames) {
    if (!game.Prefix.empty())
      search.ScanPrefix(game.Prefix, "lutris");
    if (!game.ProgramFolder.empty())
      search.Scan(game.ProgramFolder, 0, "lutris");
  }
}

} // namespace

std::vector<TFoundGame> FindGames(const std::string& home, const std::string& winePrefix,
                                  std::chrono::milliseconds budget) {
  // The stores' default places first, by the game's usual names whatever the budget: a few
  // folders each. The budget can only cut off searching through them and the places the
  // stores' lists name, which may be many and slow.
  TGameSearch search;
  ScanDefaultPlaces(search, home, winePrefix);
  search.EndAt(std::chrono::steady_clock::now() + budget);
  search.KnownNamesOnly(false);
  ScanDefaultPlaces(search, home, winePrefix);
  const TListedPlaces listed = ReadListedPlaces(home, search);
  for (const bool knownNamesOnly : {true, false}) {
    search.KnownNamesOnly(knownNamesOnly);
    ScanListedPlaces(search, listed);
  }
  return search.Take();
}

std::string_view GamePlacesSearched() {
#ifdef _WIN32
  return TRANSLATABLE(
      "Place", "Steam and its libraries, GOG's registry keys and folders, and Wine prefixes");
#else
  return TRANSLATABLE("Place",
                      "Steam (also Flatpak's and Snap's) with its libraries and Proton "
                      "prefixes, Wine prefixes ($WINEPREFIX, ~/.wine), Heroic and Lutris (~/Games "
                      "and the games they list) and Bottles (also Flatpak's)");
#endif
}

} // namespace flightdeck
