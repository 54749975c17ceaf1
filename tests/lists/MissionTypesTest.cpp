// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/MissionTypes.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace flightdeck {
namespace {

TEST(MissionTypes, ListFilePathsKeepTheGameDirectoryAsChosen) {
  EXPECT_EQ(ListFilePath("c:\\games\\xvt\\", mtCombat, gnImperial),
            "c:\\games\\xvt\\combat\\imperial.lst");
  EXPECT_EQ(ListFilePath("C:\\Games\\XvT\\", mtTraining, gnRebel),
            "C:\\Games\\XvT\\train\\rebel.lst");
  EXPECT_EQ(ListFilePath("/opt/XvT/", mtBattles, gnNeutral), "/opt/XvT/battle\\mission.lst");
  EXPECT_EQ(ListFileDirectory("c:\\xvt\\tourn\\mission.lst"), "c:\\xvt\\tourn\\");
}

TEST(MissionTypes, BattleFilesAreBareTrimmedNamesBesideTheirList) {
  const char* const list = "/g/XvT/tourn\\mission.lst";
  const std::pair<const char*, const char*> cases[] = {{"cup1.lst", "/g/XvT/tourn\\cup1.lst"},
                                                       {" Cup1.LST \t", "/g/XvT/tourn\\Cup1.LST"},
                                                       {"..\\..\\..\\dev\\zero", ""},
                                                       {"sub/cup.lst", ""},
                                                       {"c:cup.lst", ""},
                                                       {"..", ""},
                                                       {"  ", ""},
                                                       {"MISSION.LST", ""},
                                                       {"rebel.lst", "/g/XvT/tourn\\rebel.lst"}};
  for (const auto& [name, path] : cases)
    EXPECT_EQ(BattleFilePath(list, name), path) << '"' << name << '"';
}

TEST(MissionTypes, MissionFilesLieInTheSingleMissionDirectory) {
  EXPECT_EQ(MissionFilePath("c:\\xvt\\", mtBattles, "a.tie"), "c:\\xvt\\combat\\a.tie");
  EXPECT_EQ(MissionFilePath("c:\\xvt\\", mtCombat, "a.tie"), "c:\\xvt\\combat\\a.tie");
  EXPECT_EQ(MissionFilePath("c:\\xvt\\", mtTournaments, "a.tie"), "c:\\xvt\\melee\\a.tie");
  EXPECT_EQ(MissionFilePath("c:\\xvt\\", mtTraining, "a.tie"), "c:\\xvt\\train\\a.tie");
  EXPECT_EQ(MissionDirectory("c:\\xvt\\", mtBattles), "c:\\xvt\\combat");
  EXPECT_EQ(SingleMissionType(mtMelee), mtMelee);
}

TEST(MissionTypes, CodesOutsideTheTablesAreRefused) {
  EXPECT_THROW(CheckedMissionType(5), std::invalid_argument);
  EXPECT_THROW(CheckedMissionType(-1), std::invalid_argument);
  EXPECT_THROW(CheckedSide(0), std::invalid_argument);
  EXPECT_THROW(CheckedSide(4), std::invalid_argument);
  EXPECT_THROW(ListItemKindName(static_cast<TListItemKind>(9)), std::invalid_argument);
  EXPECT_THROW(ListFilePath("c:\\", static_cast<TMissionType>(7), gnNeutral),
               std::invalid_argument);
  EXPECT_THROW(ListFilePath("c:\\", mtCombat, static_cast<TGender>(0)), std::invalid_argument);
}

TEST(MissionTypes, GameDirectoryNeedsAllFiveCategoryFolders) {
  test::TTempDir temp;
  const std::string game = test::MakeGameDirectory(temp.Path() / "xvt");
  EXPECT_TRUE(IsXvTDirectory(game));
  EXPECT_TRUE(IsXvTDirectory(temp.Path().string() + "\\XVT\\"));
  std::filesystem::remove(temp.Path() / "xvt" / "train");
  EXPECT_FALSE(IsXvTDirectory(game));

  const std::string upper = test::MakeGameDirectory(
      temp.Path() / "Wine", {"BATTLE", "Combat", "MELEE", "tourn", "TRAIN"});
  EXPECT_TRUE(IsXvTDirectory(upper));
}

} // namespace
} // namespace flightdeck
