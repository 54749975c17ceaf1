// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/XvTListFile.h"
#include "platform/HostPath.h"
#include "support/ListRecords.h"
#include "support/ListSaving.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

using test::CrLf;
using test::Header;
using test::Record;
using test::WriteBytes;
using Records = std::vector<TListFileItem>;
namespace fs = std::filesystem;

class ListFileReading : public ::testing::Test {
protected:
  ListFileReading() : FGame(test::MakeGameDirectory(FTemp.Path())) {}

  // Writes `bytes` as the list of `type` and `side` and loads it.
  Records Load(TMissionType type, std::string_view bytes, TGender side = gnNeutral) {
    TXvTListFile list(FGame, type, side);
    WriteBytes(HostPath(list.FileName()).Native(), bytes);
    list.LoadFromFile();
    return test::Records(list);
  }
  void WriteCategoryFile(std::string_view folder, std::string_view name, std::string_view bytes) {
    WriteBytes(FTemp.Path() / folder / name, bytes);
  }

  test::TTempDir FTemp;
  std::string FGame;
};

TEST_F(ListFileReading, CombatExampleReadsToItsRecords) {
  EXPECT_EQ(Load(mtCombat, CrLf({"//", "[Outer Rim Patrol]", "//", "0", "patrol1.tie",
                                 "Into the Nebula", "1", "patrol2.tie", "Convoy Escort"})),
            (Records{Header(likCampaign, "Outer Rim Patrol"),
                     Record(likEngagement, 0, "patrol1.tie", "Into the Nebula"),
                     Record(likEngagement, 1, "patrol2.tie", "Convoy Escort")}));
}

TEST_F(ListFileReading, TournamentExampleReadsItsBattleFileBehindTheTournament) {
  WriteCategoryFile("tourn", "cup1.lst",
                    CrLf({"2", "duel1.tie", "duel2.tie", "Two heats of dogfights.", " ",
                          "Missions:", "First Heat", "Final Heat"}));
  EXPECT_EQ(
      Load(mtTournaments, CrLf({"//", "[Spring Series]", "//", "3", "cup1.lst", "Rookie Cup"}),
           gnRebel),
      (Records{Header(likTournamentSeries, "Spring Series"),
               Record(likTournament, 3, "cup1.lst", "Rookie Cup", "Two heats of dogfights.", " "),
               Record(likContest, 0, "duel1.tie", "First Heat"),
               Record(likContest, 0, "duel2.tie", "Final Heat")}));
}

TEST_F(ListFileReading, HeadersCommentsAndBlankLines) {
  EXPECT_EQ(
      Load(mtMelee, CrLf({"[Alpha", "[Alpha]Beta]", "[]", "[a.b\\c]", "// note", "", " \t ",
                          "[Vol. 2]", "x.tie", "Title"})),
      (Records{Header(likCampaign, "Alpha"), Header(likCampaign, "Alpha"), Header(likCampaign, ""),
               Header(likCampaign, "a.b\\c"), Record(likEngagement, 0, "x.tie", "Title")}));
  // Lines 2 and 3 of an entry are taken as they are, comment or not.
  EXPECT_EQ(Load(mtTraining, CrLf({"5", "//", "", "  //note", "a.tie", "b"})),
            (Records{Record(likEngagement, 5, "//", ""), Record(likEngagement, 0, "a.tie", "b")}));
  EXPECT_EQ(Load(mtBattles, CrLf({"//", "[War]", "//"})), (Records{Header(likWar, "War")}));
}

TEST_F(ListFileReading, LineEndsCtrlZAndMissingLines) {
  EXPECT_EQ(Load(mtCombat, "[A\n0\nx\nT\n"), (Records{Header(likCampaign, "A\n0\nx\nT\n")}));
  EXPECT_EQ(Load(mtCombat, "4\nx.tie\nT\n"), (Records{Record(likEngagement, 4, "", "")}));
  EXPECT_EQ(Load(mtCombat, "[A]\r1\rx.tie\rT\x1a\r\n2\r\ny.tie\r\nU\r\n"),
            (Records{Header(likCampaign, "A"), Record(likEngagement, 1, "x.tie", "T")}));
  EXPECT_EQ(Load(mtCombat, "7\r\nonly-a-file.tie"),
            (Records{Record(likEngagement, 7, "only-a-file.tie", "")}));
}

TEST_F(ListFileReading, EmptyFileClearsAndMissingFileKeepsTheRecords) {
  TXvTListFile list(FGame, mtCombat, gnImperial);
  test::Append(list, {Header(likCampaign, "kept")});
  list.LoadFromFile();
  EXPECT_EQ(test::Records(list), (Records{Header(likCampaign, "kept")}));
  WriteCategoryFile("combat", "imperial.lst", "");
  list.LoadFromFile();
  EXPECT_TRUE(list.Items().empty());
}

TEST_F(ListFileReading, BattleFilesWithShortCountsAndIgnoredTitles) {
  WriteCategoryFile("battle", "short.lst",
                    CrLf({"3", "a.tie", "b.tie", "First line", "Second line"}));
  WriteCategoryFile("battle", "titled.lst",
                    CrLf({"1", "c.tie", "D0", "D1", "Missions:", "Ignored"}));
  WriteCategoryFile("battle", "huge.lst", CrLf({"2000000000", "d.tie"}));
  WriteCategoryFile("battle", "negative.lst", CrLf({"-4", "D0", "D1"}));
  EXPECT_EQ(
      Load(mtBattles, CrLf({"[W]", "1", "SHORT.LST", "S", "2", "titled.lst", "T", "3", "huge.lst",
                            "H", "4", "negative.lst", "N", "5", "missing.lst", "M"})),
      (Records{Header(likWar, "W"), Record(likBattle, 1, "SHORT.LST", "S", "Second line", ""),
               Record(likOperation, 0, "a.tie"), Record(likOperation, 0, "b.tie"),
               Record(likOperation, 0, "First line"),
               Record(likBattle, 2, "titled.lst", "T", "D0", "D1"),
               Record(likOperation, 0, "c.tie"), Record(likBattle, 3, "huge.lst", "H"),
               Record(likOperation, 0, "d.tie"),
               Record(likBattle, 4, "negative.lst", "N", "D0", "D1"),
               Record(likBattle, 5, "missing.lst", "M")}));
}

TEST_F(ListFileReading, RealWorldTrainingListThroughUpperCaseFolders) {
  test::TTempDir temp;
  const std::string game =
      test::MakeGameDirectory(temp.Path(), {"BATTLE", "Combat", "MELEE", "Tourn", "TRAIN"});
  fs::copy_file(fs::path(FLIGHTDECK_FIXTURES_DIR) / "real-world" / "TRAIN" / "IMPERIAL.LST",
                temp.Path() / "TRAIN" / "IMPERIAL.LST");
  ASSERT_TRUE(IsXvTDirectory(game));
  TXvTListFile list(game, mtTraining, gnImperial);
  list.LoadFromFile();
  EXPECT_EQ(test::Records(list),
            (Records{Header(likCampaign, "Challenging Operations #1"),
                     Record(likEngagement, 1, "Challenge01.tie", "The convoy"),
                     Record(likEngagement, 2, "Challenge02.tie", "The search"),
                     Record(likEngagement, 3, "Challenge03.tie", "The deception"),
                     Record(likEngagement, 4, "Challenge04.tie", "The counter attack"),
                     Record(likEngagement, 5, "Challenge05.tie", "The end game")}));

  test::SavedToFile(list, list.ItemRefs());
  EXPECT_EQ(test::ListDirectory(temp.Path() / "TRAIN"), "IMPERIAL.LST");
  TXvTListFile again(game, mtTraining, gnImperial);
  again.LoadFromFile();
  EXPECT_EQ(test::Records(again), test::Records(list));
}

} // namespace
} // namespace flightdeck
