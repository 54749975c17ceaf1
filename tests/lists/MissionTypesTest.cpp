#include "lists/MissionTypes.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace flightdeck {
namespace {

TEST(MissionTypes, ListFilePathsAreLowerCaseConcatenations) {
  EXPECT_EQ(ListFilePath("c:\\games\\xvt\\", mtCombat, gnImperial),
            "c:\\games\\xvt\\combat\\imperial.lst");
  EXPECT_EQ(ListFilePath("C:\\Games\\XvT\\", mtTraining, gnRebel),
            "c:\\games\\xvt\\train\\rebel.lst");
  EXPECT_EQ(ListFilePath("/opt/XvT/", mtBattles, gnNeutral), "/opt/xvt/battle\\mission.lst");
  EXPECT_EQ(ListFileDirectory("c:\\xvt\\tourn\\mission.lst"), "c:\\xvt\\tourn\\");
  EXPECT_EQ(BattleFilePath("c:\\xvt\\tourn\\mission.lst", "cup1.lst"), "c:\\xvt\\tourn\\cup1.lst");
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
  EXPECT_THROW(CheckedGender(0), std::invalid_argument);
  EXPECT_THROW(CheckedGender(4), std::invalid_argument);
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
