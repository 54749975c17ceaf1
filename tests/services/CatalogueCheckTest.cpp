// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/CatalogueCheck.h"
#include "platform/HostFiles.h"
#include "platform/LeftOvers.h"
#include "platform/Limits.h"
#include "support/IoFaultPlan.h"
#include "support/MissionWriter.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace flightdeck {
namespace {

using test::CrLf;
using test::WriteBytes;

std::string Describe(const TFinding& f) {
  return std::string(ProblemName(f.Problem)) + " " + f.List + " #" + std::to_string(f.Entry) +
         " [" + f.Label + "] " + f.File + (f.Detail.empty() ? "" : " (" + f.Detail + ")");
}

// A game in folders of mixed case holding one of each problem; the check finds exactly these.
TEST(CatalogueCheck, FindsEachProblemOnceAndNothingElse) {
  test::TTempDir temp;
  const std::filesystem::path root = temp.Path() / "XvT";
  const std::string game =
      test::MakeGameDirectory(root, {"BATTLE", "Combat", "melee", "TOURN", "Train"});
  const auto mission = [](int play) {
    test::TMissionShape shape;
    shape.Play = play;
    return test::MakeMission(shape);
  };
  for (const char* name : {"patrol1.tie", "PATROL2.TIE", "relay1.tie"})
    WriteBytes(root / "Combat" / name, mission(4));
  WriteBytes(root / "Combat" / "relay2.tie", "tie");
  for (const char* name : {"arena\n2.tie", "duel1.tie", "duel2.tie", "stray.TIE", "\xC9t\xE9.tie"})
    WriteBytes(root / "melee" / name, mission(2));
  WriteBytes(root / "melee" / "arena1.tie", mission(0)); // a training mission
  WriteBytes(root / "Train" / "basic1.tie", mission(0));
  const std::string leftOver = ".flightdeck-save-" + HostBootTag() + "-" + HostProcessSpaceTag() +
                               "-999999999-0000abcd"; // its process is gone
  WriteBytes(root / "melee" / leftOver, "half a list");
  WriteBytes(root / "melee" / (".flightdeck-save-" + OwnerTag() + "-0000abcd"), "being saved");
  WriteBytes(root / "Combat" / "MISSION.LST",
             CrLf({"//", "[Patrols]", "//", "0", "patrol1.tie", "Into the Nebula", "1", "ghost.tie",
                   "Ghost Run", "1", "relay1.tie", "Relay Start", "2", "PATROL1.TIE", "Second Look",
                   "3", "patrol2.tie", " "}));
  WriteBytes(root / "BATTLE" / "mission.lst",
             CrLf({"//", "[Skyfall]", "//", "0", "b1.lst", "Battle One", "1", "nofile.lst",
                   "Lost Battle", "2", "B3.LST", "Counted Short", "3", "lf.lst", "Unix Battle", "4",
                   "..\\up.lst", "Outside"}));
  WriteBytes(root / "BATTLE" / "b1.lst", CrLf({"2", "relay1.tie", "relay2.tie", "Desc", " "}));
  WriteBytes(root / "BATTLE" / "b3.lst", CrLf({"1", "relay1.tie", "patrol2.tie", " ", " "}));
  WriteBytes(root / "BATTLE" / "lf.lst", "1\nrelay1.tie\nDesc\n \n");
  WriteBytes(root / "melee" / "mission.lst", CrLf({"//", "[Arena]", "//", "0", "arena1.tie",
                                                   "Pit\nFight", "1", "arena\n2.tie", "Odd Name"}));
  WriteBytes(root / "TOURN" / "mission.lst",
             CrLf({"//", "[Cup]", "//", "0", "cup1.lst", "Rookie Cup"}));
  WriteBytes(root / "TOURN" / "cup1.lst",
             CrLf({"2", "duel1.tie", "duel2.tie", "D", " ", "Missions:", "First", ""}));
  WriteBytes(root / "Train" / "rebel.lst",
             CrLf({"//", "[Basics]", "//", "0", "basic1.tie", "First Flight"}) + "\x1a" +
                 CrLf({"1", "basic2.tie", "After the End"}));
  WriteBytes(root / "Train" / "imperial.lst", CrLf({"//", "[Locked]", "//"}));
  SetIoFaultPlan([](TIoStep step, const std::string& path) {
    return step == TIoStep::OpenForReading && path.ends_with("imperial.lst") ? test::AccessDenied
                                                                             : 0;
  });
  std::vector<std::string> found;
  for (const TFinding& finding : CheckCatalogue(game))
    found.push_back(Describe(finding));
  SetIoFaultPlan(nullptr);

  const std::vector<std::string> expected = {
      "untitled-mission BATTLE/mission.lst #3 [relay2.tie] relay2.tie",
      "not-a-mission BATTLE/mission.lst #3 [relay2.tie] relay2.tie (not a mission file)",
      "missing-battle-file BATTLE/mission.lst #4 [Lost Battle] nofile.lst",
      "battle-count-mismatch BATTLE/mission.lst #5 [Counted Short] B3.LST (2 missions, more)",
      "lf-line-ends BATTLE/mission.lst #7 [Unix Battle] lf.lst",
      "unreadable-battle-file BATTLE/mission.lst #8 [Outside] ..\\up.lst (its name is not a "
      "plain file name.)",
      "missing-mission-file Combat/MISSION.LST #2 [Ghost Run] ghost.tie",
      "duplicate-number Combat/MISSION.LST #3 [Relay Start]  (1)",
      "duplicate-mission Combat/MISSION.LST #4 [Second Look] PATROL1.TIE",
      "empty-title Combat/MISSION.LST #5 [ ] ",
      "lf-line-ends melee/mission.lst #-1 [] mission.lst",
      "unwritable-title melee/mission.lst #1 [Pit\nFight] ",
      "mission-type melee/mission.lst #1 [Pit\nFight] arena1.tie (training)",
      "unwritable-name melee/mission.lst #2 [Odd Name] arena\n2.tie",
      "empty-title TOURN/mission.lst #3 [duel2.tie] ",
      "ctrl-z-before-end Train/rebel.lst #-1 [] rebel.lst",
      "unreadable-list Train/imperial.lst #-1 []  (File access denied)",
      "unlisted-mission-file melee #-1 [] stray.TIE",
      "unlisted-mission-file melee #-1 [] \xC9t\xE9.tie", // named as on disk
      "left-over-file melee #-1 [] " + leftOver,
  };
  EXPECT_EQ(found, expected);
}

// Findings stream as they are found; those kept are bounded and the rest counted.
TEST(CatalogueCheck, KeepsABoundedNumberOfFindingsAndStreamsThemAll) {
  test::TTempDir temp;
  const std::string game = test::MakeGameDirectory(temp.Path() / "XvT");
  std::string list = CrLf({"//", "[Lost]", "//"});
  const std::size_t count = MaxFindingsKept + 5;
  for (std::size_t i = 0; i < count; ++i)
    list += std::to_string(i) + "\r\nm" + std::to_string(i) + ".tie\r\nT\r\n"; // missing
  WriteBytes(temp.Path() / "XvT" / "melee" / "mission.lst", list);
  std::size_t streamed = 0;
  CheckCatalogue(game, {}, [&](const TFinding& finding) {
    EXPECT_EQ(finding.Problem, TProblem::MissingMissionFile);
    ++streamed;
  });
  EXPECT_EQ(streamed, count);
  std::size_t unkept = 0;
  EXPECT_EQ(CheckCatalogue(game, {}, &unkept).size(), MaxFindingsKept);
  EXPECT_EQ(unkept, 5u);
}

} // namespace
} // namespace flightdeck
