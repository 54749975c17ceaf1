// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/GamePlaces.h"

#include "platform/FileSystem.h"
#include "platform/HostFiles.h"
#include "platform/HostPath.h"
#include "platform/HostPlaces.h"
#include "platform/Limits.h"
#include "platform/Translatable.h"

#include <algorithm>

namespace flightdeck {

namespace {

class TPlaces {
public:
  void Add(const char* kind, const std::string& folder, const std::string& name = {}) {
    if (!DirectoryExists(folder) ||
        std::any_of(FPlaces.begin(), FPlaces.end(),
                    [&](const TGamePlace& place) { return IsSameFile(place.Folder, folder); }))
      return;
    FPlaces.push_back({folder, kind, name});
  }
  // The drive_c of every prefix directly below `folder`.
  void AddPrefixesBelow(const char* kind, const std::string& folder, const std::string& inside) {
    for (const std::string& name : SortedSubfolders(folder))
      Add(kind, folder + "/" + name + inside, name);
  }
  std::vector<TGamePlace> Take() { return std::move(FPlaces); }

private:
  std::vector<TGamePlace> FPlaces;
};

} // namespace

std::vector<std::string> SteamRoots(const std::string& home) {
  std::vector<std::string> roots = {home + "/.steam/steam", home + "/.local/share/Steam",
                                    home + "/.var/app/com.valvesoftware.Steam/.local/share/Steam",
                                    home + "/snap/steam/common/.local/share/Steam"};
  for (const std::string& root : HostGameFolders().SteamRoots)
    roots.push_back(root);
  return roots;
}

std::string HeroicGames(const std::string& home) {
  return home + "/Games/Heroic";
}

std::string HeroicPrefixes(const std::string& home) {
  return home + "/Games/Heroic/Prefixes/default";
}

std::string LutrisPrefixes(const std::string& home) {
  return home + "/Games";
}

std::vector<std::string> BottlesPrefixes(const std::string& home) {
  return {home + "/.var/app/com.usebottles.bottles/data/bottles/bottles",
          home + "/.local/share/bottles/bottles"};
}

std::vector<std::string> HeroicLists(const std::string& home) {
  std::vector<std::string> lists;
  for (const std::string& config :
       {home + "/.config/heroic", home + "/.var/app/com.heroicgameslauncher.hgl/config/heroic"}) {
    lists.push_back(config + "/config.json");
    lists.push_back(config + "/gog_store/installed.json");
  }
  return lists;
}

std::vector<std::string> LutrisGameLists(const std::string& home) {
  const std::string flatpak = home + "/.var/app/net.lutris.Lutris";
  return {home + "/.config/lutris/games", home + "/.local/share/lutris/games",
          flatpak + "/config/lutris/games", flatpak + "/data/lutris/games"};
}

const std::vector<std::string>& GameFolderNames() {
  static const std::vector<std::string> names = {"STAR WARS X-Wing vs TIE Fighter",
                                                 "Star Wars - XvT", "X-Wing vs TIE Fighter", "XvT",
                                                 "XWING vs TIE"};
  return names;
}

std::vector<std::string> SortedSubfolders(const std::string& folder) {
  std::vector<std::string> names = ReadHostFolder(HostPath(folder), MaxFolderListing);
  std::erase_if(names, [&](const std::string& name) {
    return name.front() == '.' || !DirectoryExists(folder + "/" + name);
  });
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<TGamePlace> GamePlaces(const std::string& home, const std::string& winePrefix) {
  TPlaces places;
  places.Add(TRANSLATABLE("Place", "Home"), home);
  if (!winePrefix.empty())
    places.Add(TRANSLATABLE("Place", "Wine prefix"), winePrefix + "/drive_c");
  places.Add(TRANSLATABLE("Place", "Wine"), home + "/.wine/drive_c");
  for (const std::string& steam : SteamRoots(home)) {
    places.Add(TRANSLATABLE("Place", "Steam games"), steam + "/steamapps/common");
    places.AddPrefixesBelow(TRANSLATABLE("Place", "Proton prefix"), steam + "/steamapps/compatdata",
                            "/pfx/drive_c");
  }
  for (const std::string& gog : HostGameFolders().GogGames)
    places.Add(TRANSLATABLE("Place", "GOG games"), gog);
  places.Add(TRANSLATABLE("Place", "Heroic games"), HeroicGames(home));
  places.AddPrefixesBelow(TRANSLATABLE("Place", "Heroic prefix"), HeroicPrefixes(home), "/drive_c");
  places.AddPrefixesBelow(TRANSLATABLE("Place", "Wine prefix"), LutrisPrefixes(home), "/drive_c");
  for (const std::string& bottles : BottlesPrefixes(home))
    places.AddPrefixesBelow(TRANSLATABLE("Place", "Bottle"), bottles, "/drive_c");
  return places.Take();
}

} // namespace flightdeck
