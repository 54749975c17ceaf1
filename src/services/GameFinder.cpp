// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/GameFinder.h"

#include "lists/MissionTypes.h"
#include "platform/FileSystem.h"
#include "platform/HostPath.h"
#include "platform/HostPlaces.h"
#include "platform/Limits.h"
#include "platform/Translatable.h"
#include "services/GamePlaces.h"

#include <algorithm>

namespace flightdeck {

namespace {

// Below a place, the game may lie this many folders down ("common/Game/XvT").
constexpr int SearchDepth = 2;

class TGameSearch {
public:
  explicit TGameSearch(std::chrono::milliseconds budget)
      : FDeadline(std::chrono::steady_clock::now() + budget) {}

  // First only the game's usual folder names are looked for in each place, so that the game is
  // found however much else a place holds; then the places are searched through.
  void SearchThrough() { FKnownNamesOnly = false; }

  // Looks for games in `folder` and up to `depth` levels below it.
  void Scan(const std::string& folder, int depth, const std::string& source) {
    if (std::chrono::steady_clock::now() > FDeadline || !DirectoryExists(folder))
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
    for (const std::string& name : SortedSubfolders(folder))
      ScanPrefix(folder + "/" + name + inside, source);
  }

  // By source in the order searched, then by path.
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

  std::chrono::steady_clock::time_point FDeadline;
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

} // namespace

std::vector<std::string> SteamLibraryFolders(const std::string& vdfText) {
  // Lines such as:		"path"		"/home/pilot/SteamLibrary"
  std::vector<std::string> folders;
  std::size_t at = 0;
  while (folders.size() < MaxLibraryFolders &&
         (at = vdfText.find("\"path\"", at)) != std::string::npos) {
    at += 6;
    const std::size_t open = vdfText.find('"', at);
    const std::size_t lineEnd = vdfText.find('\n', at);
    if (open == std::string::npos || open > lineEnd)
      continue;
    std::string folder;
    std::size_t i = open + 1;
    for (; i < vdfText.size() && vdfText[i] != '"' && vdfText[i] != '\n'; ++i) {
      if (vdfText[i] == '\\' && i + 1 < vdfText.size())
        ++i; // the file escapes backslashes and quotes
      folder += vdfText[i];
    }
    if (i < vdfText.size() && vdfText[i] == '"' && !folder.empty())
      folders.push_back(folder);
    at = i;
  }
  return folders;
}

std::vector<TFoundGame> FindGames(const std::string& home, const std::string& winePrefix,
                                  std::chrono::milliseconds budget) {
  TGameSearch search(budget);
  std::vector<std::string> libraries;
  for (const std::string& steam : SteamRoots(home)) {
    if (!DirectoryExists(steam))
      continue;
    libraries.push_back(steam);
    for (const std::string& listed :
         SteamLibraryFolders(ReadTextOrEmpty(steam + "/steamapps/libraryfolders.vdf")))
      libraries.push_back(listed);
  }
  for (const bool throughout : {false, true}) {
    if (throughout)
      search.SearchThrough();
    for (const std::string& library : libraries)
      search.Scan(library + "/steamapps/common", SearchDepth, "steam");
    for (const std::string& library : libraries)
      search.ScanPrefixesBelow(library + "/steamapps/compatdata", "/pfx", "proton");
    for (const std::string& gog : HostGameFolders().GogGames)
      search.Scan(gog, 1, "gog"); // a game's own folder, or the folder of GOG's games
    if (!winePrefix.empty())
      search.ScanPrefix(winePrefix, "wine");
    search.ScanPrefix(home + "/.wine", "wine");
    search.ScanPrefixesBelow(HeroicPrefixes(home), "", "heroic");
    search.ScanPrefixesBelow(LutrisPrefixes(home), "", "lutris");
    for (const std::string& bottles : BottlesPrefixes(home))
      search.ScanPrefixesBelow(bottles, "", "bottles");
  }
  return search.Take();
}

std::string_view GamePlacesSearched() {
#ifdef _WIN32
  return TRANSLATABLE(
      "Place", "Steam and its libraries, GOG's registry keys and folders, and Wine prefixes");
#else
  return TRANSLATABLE("Place",
                      "Steam (also Flatpak's) with its libraries and Proton prefixes, Wine "
                      "prefixes ($WINEPREFIX, ~/.wine), Heroic, Lutris (~/Games) and Bottles "
                      "(also Flatpak's)");
#endif
}

} // namespace flightdeck
