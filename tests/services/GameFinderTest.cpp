// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/GameFinder.h"
#include "platform/Limits.h"
#include "services/GamePlaces.h"
#include "services/LauncherLists.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <chrono>

#ifdef _WIN32
#include <windows.h>
#endif

namespace flightdeck {
namespace {

namespace fs = std::filesystem;

// The places of Linux: Wine prefixes below the home folder, with links users of Windows cannot
// make. Windows has its own test below.
#ifndef _WIN32
TEST(GameFinder, FindsTheGamesOfSteamProtonWineAndLutrisAndNothingElse) {
  test::TTempDir temp;
  const fs::path home = temp.Path() / "pilot";
  const fs::path steam = home / ".local/share/Steam";
  fs::create_directories(steam / "steamapps/common/Other Game/data");
  fs::create_directories(home / ".steam");
  fs::create_directory_symlink(steam, home / ".steam/steam"); // the same library twice
  // A second library, named in libraryfolders.vdf, holds the Steam release.
  const fs::path library = temp.Path() / "Library \"2\"";
  test::WriteBytes(steam / "steamapps/libraryfolders.vdf",
                   "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" + steam.string() +
                       "\"\n\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"" + temp.Path().string() +
                       "/Library \\\"2\\\"\"\n\t}\n}\n");
  test::MakeGameDirectory(library / "steamapps/common/STAR WARS X-Wing vs TIE Fighter");
  test::MakeGameDirectory(steam / "steamapps/compatdata/361670/pfx/drive_c/GOG Games/XvT");
  test::MakeGameDirectory(home / ".wine/drive_c/GOG Games/X-Wing vs TIE Fighter",
                          {"BATTLE", "COMBAT", "MELEE", "TOURN", "TRAIN"});
  test::MakeGameDirectory(home / "Games/xwing/drive_c/Program Files/LucasArts/XvT");
  // A decoy without its Training folder, and a folder nobody may read.
  test::MakeGameDirectory(home / "Games/decoy/drive_c/Program Files/XvT",
                          {"battle", "combat", "melee", "tourn"});
  fs::create_directories(home / "Games/locked/drive_c/Program Files");
  fs::permissions(home / "Games/locked", fs::perms::none);
  // Snap's Steam, Heroic's games folder, and games the launchers' own lists name elsewhere.
  test::MakeGameDirectory(home / "snap/steam/common/.local/share/Steam/steamapps/common/XvT");
  test::MakeGameDirectory(home / "Games/Heroic/STAR WARS X-Wing vs TIE Fighter");
  test::MakeGameDirectory(temp.Path() / "Heroic Games/My XvT");
  for (const char* lists :
       {".config/heroic/gog_store", ".config/lutris/games", ".local/share/lutris/games"})
    fs::create_directories(home / lists);
  test::WriteBytes(home / ".config/heroic/gog_store/installed.json",
                   "{\"installed\": [{\"install_path\": \"" + temp.Path().string() +
                       "/Heroic Games/My XvT\", \"platform\": \"windows\"}]}");
  test::MakeGameDirectory(temp.Path() / "lutris-xvt/drive_c/GOG Games/XvT");
  test::WriteBytes(home / ".config/lutris/games/xvt-1.yml",
                   "game:\n  exe: 'relative.exe'\n  prefix: \"" + temp.Path().string() +
                       "/lutris-xvt\"\n");
  test::MakeGameDirectory(temp.Path() / "lutris-other/XvT");
  test::WriteBytes(home / ".local/share/lutris/games/xvt-2.yml",
                   "game:\n  exe: " + temp.Path().string() + "/lutris-other/XvT/Z_XVT__.EXE\n");

  const auto found = [&](std::chrono::milliseconds budget) {
    std::string games;
    for (const TFoundGame& game : FindGames(home.string(), "", budget))
      games += game.Source + " " + game.Path.substr(temp.Path().string().size()) + "\n";
    return games;
  };
  const std::string defaults =
      "steam /pilot/snap/steam/common/.local/share/Steam/steamapps/common/XvT\n"
      "proton /pilot/.steam/steam/steamapps/compatdata/361670/pfx/drive_c/GOG Games/XvT\n"
      "wine /pilot/.wine/drive_c/GOG Games/X-Wing vs TIE Fighter\n"
      "heroic /pilot/Games/Heroic/STAR WARS X-Wing vs TIE Fighter\n";
  EXPECT_EQ(found(std::chrono::seconds(3)),
            "steam /Library \"2\"/steamapps/common/STAR WARS X-Wing vs TIE Fighter\n"
            "steam /pilot/snap/steam/common/.local/share/Steam/steamapps/common/XvT\n"
            "proton /pilot/.steam/steam/steamapps/compatdata/361670/pfx/drive_c/GOG Games/XvT\n"
            "wine /pilot/.wine/drive_c/GOG Games/X-Wing vs TIE Fighter\n"
            "heroic /Heroic Games/My XvT\n"
            "heroic /pilot/Games/Heroic/STAR WARS X-Wing vs TIE Fighter\n"
            "lutris /lutris-other/XvT\n"
            "lutris /lutris-xvt/drive_c/GOG Games/XvT\n"
            "lutris /pilot/Games/xwing/drive_c/Program Files/LucasArts/XvT\n");
  // However busy the machine, the games where the stores put them are found by their usual
  // names; only the places the lists name and the search through ("LucasArts/XvT") are cut off.
  EXPECT_EQ(found(std::chrono::milliseconds(0)), defaults);
  fs::permissions(home / "Games/locked", fs::perms::owner_all);
  EXPECT_TRUE(FindGames((temp.Path() / "nobody").string(), "").empty());
}

// The launchers' lists as they write them, escapes and quotes included, and their damaged forms.
TEST(GameFinder, ReadsTheFoldersTheLaunchersListsName) {
  using Folders = std::vector<std::string>;
  EXPECT_EQ(SteamLibraryFolders("\"0\" {\n\t\"path\"\t\t\"/a \\\"b\\\"\"\n\"path\" \"/c\\\\d\"\n"
                                "\"path\"\n\"/next line\"\n\"path\" \"/cut"),
            (Folders{"/a \"b\"", "/c\\d"}));
  EXPECT_EQ(HeroicGameFolders("{\"defaultInstallPath\": \"/home/p/Games/Heroic\",\n"
                              "\"installed\":[{\"install_path\":\"/x/Caf\u00e9\"},"
                              "{\"install_path\": 12},{\"install_path\":\"\"}]}"),
            (Folders{"/home/p/Games/Heroic", "/x/Caf\u00e9"}));
  std::string many;
  for (int i = 0; i < 1500; ++i)
    many += "\"path\" \"/l" + std::to_string(i) + "\"\n";
  EXPECT_EQ(SteamLibraryFolders(many).size(), MaxLibraryFolders);
  const TLutrisGame quoted = LutrisGameOf("game:\r\n  exe: \"/g/x/Z.EXE\"\r\n  prefix: '/g'\r\n");
  EXPECT_EQ(quoted.Prefix + " " + quoted.ProgramFolder, "/g /g/x");
  const TLutrisGame relative = LutrisGameOf("game:\n  exe: Z.EXE\n  working_dir: /w\nprefix:");
  EXPECT_EQ(relative.Prefix + relative.ProgramFolder, "");
}

// A home made to wear the search out: a library list of 50,000 entries, a sparse library list
// of 3 GB, and 100,000 folders beside the game. The game is found within the budget, and so are
// the games of Flatpak's Steam and of Bottles.
TEST(GameFinder, FindsTheGameInAHostileHomeWithinItsBudget) {
  // In memory where there is a memory file system: many folders are made.
  test::TTempDir temp(fs::is_directory("/dev/shm") ? fs::path("/dev/shm")
                                                   : fs::temp_directory_path());
  const fs::path home = temp.Path() / "pilot";
  const fs::path steam = home / ".local/share/Steam";
  const fs::path common = steam / "steamapps/common";
  for (int i = 0; i < 100000; ++i)
    fs::create_directories(common / ("Game " + std::to_string(i)));
  test::MakeGameDirectory(common / "STAR WARS X-Wing vs TIE Fighter");
  std::string vdf = "\"libraryfolders\"\n{\n";
  for (int i = 0; i < 50000; ++i)
    vdf += "\t\"path\"\t\t\"" + (temp.Path() / ("library" + std::to_string(i))).string() + "\"\n";
  test::WriteBytes(steam / "steamapps/libraryfolders.vdf", vdf + "}\n");
  const fs::path flatpak = home / ".var/app/com.valvesoftware.Steam/.local/share/Steam";
  test::MakeGameDirectory(flatpak / "steamapps/common/XvT");
  test::WriteBytes(flatpak / "steamapps/libraryfolders.vdf", "");
  fs::resize_file(flatpak / "steamapps/libraryfolders.vdf", 3ULL << 30);
  test::MakeGameDirectory(home / ".local/share/bottles/bottles/XvT/drive_c/GOG Games/XvT");
  test::MakeGameDirectory(
      home / ".var/app/com.usebottles.bottles/data/bottles/bottles/B/drive_c/Program Files/XvT");

  const auto started = std::chrono::steady_clock::now();
  std::string found;
  for (const TFoundGame& game : FindGames(home.string(), ""))
    found += game.Source + " " + game.Path.substr(home.string().size()) + "\n";
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(4));
  EXPECT_EQ(found,
            "steam /.local/share/Steam/steamapps/common/STAR WARS X-Wing vs TIE Fighter\n"
            "steam /.var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/common/XvT\n"
            "bottles /.local/share/bottles/bottles/XvT/drive_c/GOG Games/XvT\n"
            "bottles "
            "/.var/app/com.usebottles.bottles/data/bottles/bottles/B/drive_c/Program Files/XvT\n");
}
#else
// A game GOG's installer registered, found by its registry key, and its place listed.
TEST(GameFinder, FindsTheGamesGogRegistered) {
  test::TTempDir temp;
  const std::string game = temp.Path().generic_string() + "/GOG Games/XvT";
  test::MakeGameDirectory(game);
  const std::wstring key =
      L"SOFTWARE\\WOW6432Node\\GOG.com\\Games\\flightdeck-test-" + temp.Path().filename().wstring();
  const std::wstring path = std::filesystem::path(game).wstring();
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), L"path", REG_SZ, path.c_str(),
                            static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
  const std::vector<TFoundGame> found = FindGames((temp.Path() / "nobody").string(), "");
  const std::vector<TGamePlace> places = GamePlaces((temp.Path() / "nobody").string(), "");
  RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(found.front().Source, "gog");
  EXPECT_EQ(found.front().Path, game);
  EXPECT_TRUE(std::any_of(places.begin(), places.end(), [&](const TGamePlace& place) {
    return place.Label() == "GOG games" && place.Folder == game;
  }));
}
#endif

} // namespace
} // namespace flightdeck
