#include "services/MissionInstall.h"
#include "platform/AsciiCase.h"
#include "platform/PathNames.h"
#include "support/ListSaving.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

using test::CrLf;
using test::ReadBytes;
using test::WriteBytes;

TEST(MissionInstall, BattleFileNamesAreForcedToTheListExtension) {
  EXPECT_EQ(WithListExtension("B1.TXT"), "B1.lst");
  EXPECT_EQ(WithListExtension("b2"), "b2.lst");
  EXPECT_EQ(WithListExtension("B3.LST"), "B3.LST");
  EXPECT_EQ(WithListExtension("cup.v2.txt"), "cup.v2.lst");
  EXPECT_EQ(ExtractFileName("c:\\games\\B1.TXT"), "B1.TXT");
  EXPECT_EQ(ExtractFileName("/home/pilot/m1.tie"), "m1.tie");
}

TEST(MissionInstall, CopyQuestionDependsOnWhatTheMissionDirectoryHolds) {
  test::TTempDir temp;
  const std::string game = test::MakeGameDirectory(temp.Path());
  WriteBytes(temp.Path() / "melee" / "same.tie", "x");
  WriteBytes(temp.Path() / "elsewhere.tie", "y");
  const TMissionCopy inPlace = PlanMissionCopy(game, mtTournaments, game + "melee/same.tie");
  EXPECT_EQ(inPlace.Question, TCopyQuestion::None);
  const TMissionCopy replace =
      PlanMissionCopy(game, mtTournaments, temp.Path().string() + "/dir/SAME.TIE");
  EXPECT_EQ(replace.Question, TCopyQuestion::Replace);
  EXPECT_EQ(replace.Target, game + "melee\\same.tie");
  EXPECT_EQ(PlanMissionCopy(game, mtBattles, game + "melee/same.tie").Question,
            TCopyQuestion::PlaceCopy);
}

TEST(MissionInstall, InstallsUnderTheFirstGroupOfThatLabel) {
  test::TTempDir temp;
  const std::string game = test::MakeGameDirectory(temp.Path());
  WriteBytes(
      temp.Path() / "combat" / "mission.lst",
      CrLf({"//", "[Alpha]", "//", "0", "a.tie", "", "//", "[Beta]", "//", "//", "[Alpha]", "//"}));
  WriteBytes(temp.Path() / "New.TIE", "mission");
  const std::string source = temp.Path().string() + "/New.TIE";
  TMissionTree tree(game, mtCombat, gnNeutral);
  tree.Load();
  EXPECT_EQ(test::InSession(game,
                            [&](TSession& session) {
                              return InstallMissionUnder(session, tree, source, "Gamma", "x");
                            })
                .Error(),
            "the list has no Campaign labelled \"Gamma\"");
  EXPECT_FALSE(test::InSession(game, [&](TSession& session) {
                 return InstallMissionUnder(session, tree, source + "x", "Alpha", "x");
               }).Ok());
  EXPECT_TRUE(test::InSession(game, [&](TSession& session) {
                return InstallMissionUnder(session, tree, source, "Alpha", "Fresh");
              }).Ok());
  EXPECT_EQ(ReadBytes(temp.Path() / "combat" / "new.tie"), "mission");
  // The tree shows the untitled entry by its file name, and saving keeps that as its title.
  EXPECT_EQ(ReadBytes(temp.Path() / "combat" / "mission.lst"),
            CrLf({"//", "[Alpha]", "//", "0", "a.tie", "a.tie", "1", "new.tie", "Fresh", "//",
                  "[Beta]", "//", "//", "[Alpha]", "//"}));
  EXPECT_EQ(ReadBytes(temp.Path() / "combat" / "rebel.lst"),
            CrLf({"//", "[Alpha]", "//", "0", "new.tie", ""}));
}

} // namespace
} // namespace flightdeck
