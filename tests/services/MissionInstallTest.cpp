// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/MissionInstall.h"
#include "platform/AsciiCase.h"
#include "platform/PathNames.h"
#include "services/CatalogueCheck.h"
#include "support/ListSaving.h"
#include "support/MissionWriter.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

namespace fs = std::filesystem;
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
  // The side lists take the title too: the game shows an untitled entry as a blank line.
  EXPECT_EQ(ReadBytes(temp.Path() / "combat" / "rebel.lst"),
            CrLf({"//", "[Alpha]", "//", "0", "new.tie", "Fresh"}));
}

// The lists name files in Windows-1252; on disk the names are UTF-8 under Wine and UTF-16 on
// Windows, and both are the same names. A name no list can hold is refused and noted.
TEST(MissionInstall, NamesOutsideAsciiMeetTheDiskInTheHostsSpelling) {
  test::TTempDir temp;
  const std::string game = test::MakeGameDirectory(temp.Path());
  WriteBytes(temp.Path() / "combat" / "mission.lst",
             CrLf({"//", "[Alpha]", "//", "0", "\xE9t\xE9.tie", "Summer"}));
  WriteBytes(temp.Path() / "combat" / fs::path(u8"\u00E9t\u00E9.tie"), test::Mission("summer"));
  WriteBytes(temp.Path() / fs::path(u8"Se\u00F1or.tie"), test::Mission("mission"));
  WriteBytes(temp.Path() / fs::path(u8"\u65E5\u672C.tie"), "no list can name it");
  TMissionTree tree(game, mtCombat, gnNeutral);
  tree.Load();
  const auto install = [&](const std::string& name) {
    return test::InSession(game, [&](TSession& session) {
      return InstallMissionUnder(session, tree, temp.Path().string() + "/" + name, "Alpha", "");
    });
  };
  EXPECT_TRUE(install("Se\xC3\xB1or.tie").Ok());
  EXPECT_EQ(install("\xE6\x97\xA5\xE6\x9C\xAC.tie").Error(),
            "The mission file \"" + temp.Path().string() +
                "/\xE6\x97\xA5\xE6\x9C\xAC.tie\" cannot be installed: its name has characters the "
                "game's lists cannot hold (they are Windows-1252 text).");
  fs::copy_file(temp.Path() / fs::path(u8"\u65E5\u672C.tie"),
                temp.Path() / "combat" / fs::path(u8"\u65E5\u672C.tie"));

  EXPECT_EQ(ReadBytes(temp.Path() / "combat" / fs::path(u8"se\u00F1or.tie")),
            test::Mission("mission"));
  EXPECT_EQ(
      ReadBytes(temp.Path() / "combat" / "mission.lst"),
      CrLf({"//", "[Alpha]", "//", "0", "\xE9t\xE9.tie", "Summer", "1", "se\xF1or.tie", " "}));
  // Untitled, it is titled by its file in the side lists.
  EXPECT_EQ(ReadBytes(temp.Path() / "combat" / "imperial.lst"),
            CrLf({"//", "[Alpha]", "//", "0", "se\xF1or.tie", "se\xF1or.tie"}));
  std::vector<TFinding> findings = CheckCatalogue(game, {mtCombat, std::nullopt});
  std::erase_if(findings, [](const TFinding& finding) {
    return SeverityOf(finding.Problem) == TSeverity::Warning; // the untitled entry
  });
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].Problem, TProblem::UnlistableName);
  EXPECT_EQ(findings[0].HostName, "\xE6\x97\xA5\xE6\x9C\xAC.tie");
}

} // namespace
} // namespace flightdeck
