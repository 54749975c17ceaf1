// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/GamePlaces.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

namespace fs = std::filesystem;

// The places of Linux, made with links users of Windows cannot make; GOG's places on Windows
// are checked with the game finder.
#ifndef _WIN32
TEST(GamePlaces, ListsThePlacesOfWineSteamLutrisAndHeroicThatExist) {
  test::TTempDir temp;
  const fs::path home = temp.Path();
  for (const char* folder :
       {".wine/drive_c", ".local/share/Steam/steamapps/common",
        ".local/share/Steam/steamapps/compatdata/311210/pfx/drive_c",
        ".local/share/Steam/steamapps/compatdata/0/pfx", // no drive_c: not a prefix
        "Games/xvt/drive_c", "Games/Heroic/Prefixes/default/XvT/drive_c", "custom/drive_c"})
    fs::create_directories(home / folder);
  fs::create_directories(home / ".steam");
  fs::create_directory_symlink(home / ".local/share/Steam", home / ".steam/steam");

  std::string listed;
  for (const TGamePlace& place : GamePlaces(home.string(), (home / "custom").string()))
    listed +=
        place.Label() + " = " +
        (place.Folder == home.string() ? "." : place.Folder.substr(home.string().size() + 1)) +
        "\n";
  EXPECT_EQ(listed, "Home = .\n"
                    "Wine prefix = custom/drive_c\n"
                    "Wine = .wine/drive_c\n"
                    "Steam games = .steam/steam/steamapps/common\n"
                    "Proton prefix 311210 = .steam/steam/steamapps/compatdata/311210/pfx/drive_c\n"
            "Heroic games = Games/Heroic\n"
                    "Heroic prefix XvT = Games/Heroic/Prefixes/default/XvT/drive_c\n"
                    "Wine prefix xvt = Games/xvt/drive_c\n");
}
#endif

} // namespace
} // namespace flightdeck
