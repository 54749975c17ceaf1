// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/XvTListFile.h"
#include "platform/ContentDigest.h"
#include "platform/InOutError.h"
#include "support/ListRecords.h"
#include "support/ListSaving.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

using test::CrLf;
using test::Header;
using test::ReadBytes;
using test::Record;
using test::WriteBytes;
using Records = std::vector<TListFileItem>;
namespace fs = std::filesystem;

class ListFileWriting : public ::testing::Test {
protected:
  ListFileWriting() : FGame(test::MakeGameDirectory(FTemp.Path())) {}

  void Save(TMissionType type, const Records& records, TGender side = gnNeutral) {
    TXvTListFile list(FGame, type, side);
    test::Append(list, records);
    test::Saved(list);
  }
  std::string Read(std::string_view folder, std::string_view name) const {
    return ReadBytes(FTemp.Path() / folder / name);
  }

  test::TTempDir FTemp;
  std::string FGame;
};

TEST_F(ListFileWriting, WorkedExamplesWriteBackByteExactly) {
  const std::string combat = CrLf({"//", "[Outer Rim Patrol]", "//", "0", "patrol1.tie",
                                   "Into the Nebula", "1", "patrol2.tie", "Convoy Escort"});
  const std::string series = CrLf({"//", "[Spring Series]", "//", "3", "cup1.lst", "Rookie Cup"});
  const std::string cup = CrLf({"2", "duel1.tie", "duel2.tie", "Two heats of dogfights.", " ",
                                "Missions:", "First Heat", "Final Heat"});
  for (auto [type, side] : {std::pair{mtCombat, gnNeutral}, std::pair{mtTournaments, gnRebel}}) {
    WriteBytes(FTemp.Path() / "combat" / "mission.lst", combat);
    WriteBytes(FTemp.Path() / "tourn" / "rebel.lst", series);
    WriteBytes(FTemp.Path() / "tourn" / "cup1.lst", cup);
    TXvTListFile list(FGame, type, side);
    list.LoadFromFile();
    WriteBytes(FTemp.Path() / "combat" / "mission.lst", "clobbered");
    WriteBytes(FTemp.Path() / "tourn" / "rebel.lst", "clobbered");
    WriteBytes(FTemp.Path() / "tourn" / "cup1.lst", "clobbered");
    test::Saved(list);
    if (type == mtCombat) {
      EXPECT_EQ(Read("combat", "mission.lst"), combat);
    } else {
      EXPECT_EQ(Read("tourn", "rebel.lst"), series);
      EXPECT_EQ(Read("tourn", "cup1.lst"), cup);
    }
  }
}

TEST_F(ListFileWriting, BattleFilesTakeTheRunOfMissionsBehindTheirBattle) {
  Save(mtBattles, {Header(likWar, "War"), Record(likBattle, 2, " b1.lst ", "Battle", "", "Second"),
                   Record(likOperation, 0, "a.tie", "not written for battles"),
                   Record(likOperation, 0, "b.tie"), Record(likContest, 0, "c.tie"),
                   Record(likOperation, 0, "stray.tie"), Record(likBattle, -3, "b2.lst", "Empty")});
  EXPECT_EQ(Read("battle", "mission.lst"),
            CrLf({"//", "[War]", "//", "2", " b1.lst ", "Battle", "-3", "b2.lst", "Empty"}));
  EXPECT_EQ(Read("battle", "b1.lst"), CrLf({"2", "a.tie", "b.tie", " ", "Second"}));
  EXPECT_EQ(Read("battle", "b2.lst"), CrLf({"0", " ", " "}));
  EXPECT_EQ(test::ListDirectory(FTemp.Path() / "battle"), "b1.lst b2.lst mission.lst");
}

TEST_F(ListFileWriting, HeaderTitlesWithAnExtensionStillReadBackAsHeaders) {
  const Records records = {Header(likCampaign, "Vol. 2"), Record(likEngagement, 0, "a.tie", "x"),
                           Header(likCampaign, "a.b\\c"), Header(likCampaign, "End.")};
  Save(mtCombat, records, gnRebel);
  EXPECT_EQ(Read("combat", "rebel.lst"), CrLf({"//", "[Vol. 2]:", "//", "0", "a.tie", "x", "//",
                                               "[a.b\\c]", "//", "//", "[End.]:", "//"}));
  TXvTListFile list(FGame, mtCombat, gnRebel);
  list.LoadFromFile();
  EXPECT_EQ(test::Records(list), records);
}

TEST_F(ListFileWriting, BattleFileNamesThatAreNotPlainNamesGetNoBattleFile) {
  Save(mtTournaments,
       {Record(likTournament, 0, "", "No name"), Record(likContest, 0, "a.tie"),
        Record(likTournament, 1, "..\\combat\\mission.lst", "Escapes"),
        Record(likTournament, 2, "../outside.lst", "Escapes too"),
        Record(likTournament, 3, "c:cup.lst", "Drive"), Record(likTournament, 4, " .. ", "Parent"),
        Record(likTournament, 5, "cup.lst", "Fine")});
  EXPECT_EQ(Read("tourn", "mission.lst"),
            CrLf({"0", "", "No name", "1", "..\\combat\\mission.lst", "Escapes", "2",
                  "../outside.lst", "Escapes too", "3", "c:cup.lst", "Drive", "4", " .. ", "Parent",
                  "5", "cup.lst", "Fine"}));
  EXPECT_EQ(test::ListDirectory(FTemp.Path() / "tourn"), "cup.lst mission.lst");
  EXPECT_EQ(test::ListDirectory(FTemp.Path() / "combat"), "");
  EXPECT_FALSE(fs::exists(FTemp.Path() / "outside.lst"));

  // A battle file named like the list itself would replace the list.
  Save(mtBattles, {Record(likBattle, 0, "MISSION.LST", "Self"), Record(likOperation, 0, "a.tie")});
  EXPECT_EQ(Read("battle", "mission.lst"), CrLf({"0", "MISSION.LST", "Self"}));
}

TEST_F(ListFileWriting, EntriesReadInAnotherFormAreWrittenInTheListsOwn) {
  const std::string entry = CrLf({"a.tie", "T"});
  const std::pair<std::string, std::string> cases[] = {
      {"05\r\n" + entry, "5\r\n" + entry},
      {" 7\r\n" + entry, "7\r\n" + entry},
      {"+7\r\n" + entry, "7\r\n" + entry},
      {"-0\r\n" + entry, "0\r\n" + entry},
      {"$1F\r\n" + entry, "31\r\n" + entry},
      {"7x\r\n" + entry, "7\r\n" + entry},
      {"-1234567890\r\n" + entry, "-1234567890\r\n" + entry},
      {"0123456789\r\n" + entry, "123456789\r\n" + entry},
      {"7\r\na.tie\r\n" + std::string(1024, 'T') + "\r\n",
       CrLf({"7", "a.tie", std::string(1024, 'T')})},
      {"7\ra.tie\rT\r", "7\r\n" + entry},
      {"7\r\na.tie\r\nT", "7\r\n" + entry},
      {"7\r\na.tie\nb\r\nT\r\n", CrLf({"7", "a.tie\nb", "T"})},
      {"7\r\n\ra.tie\r\n", CrLf({"7", "", "a.tie"})},
      {"7\r\n" + entry + "\x1a\r\n8\r\n" + entry, "7\r\n" + entry},
      {CrLf({"//", "[G]", "//", "7", "a.tie", "T", "8", "b.tie", "U"}),
       CrLf({"//", "[G]", "//", "7", "a.tie", "T", "8", "b.tie", "U"})}};
  // Behind a run of entries long enough to be taken in blocks, as a resave of a long list does.
  std::string run;
  for (int i = 0; i < 40; ++i)
    run += CrLf({std::to_string(i * 7919 - 20000), "m" + std::to_string(i) + ".tie", "Long"});
  for (const auto& [text, expected] : cases) {
    const fs::path list = FTemp.Path() / "combat" / "mission.lst";
    for (const std::size_t piece : {std::size_t{5}, std::size_t{1} << 16})
      for (const std::string& before : {std::string(), run}) {
        WriteBytes(list, before + text);
        TXvTListFile resaved(FGame, mtCombat, gnNeutral);
        test::Resaved(resaved, piece);
        EXPECT_EQ(ReadBytes(list), before + expected) << text;
        // What was read is known by its digest, whether or not it is written back as it was.
        TContentDigest digest;
        digest.Add(before + text);
        EXPECT_EQ(resaved.FilesRead().at(0).Digest, digest.Text()) << text;
      }
    WriteBytes(list, text);
    TXvTListFile read(FGame, mtCombat, gnNeutral);
    read.LoadFromFile();
    test::Saved(read);
    EXPECT_EQ(ReadBytes(list), expected) << text;
  }
}

TEST_F(ListFileWriting, FailedSaveLeavesListAndBattleFilesIntact) {
  const std::string oldList = CrLf({"//", "[Old]", "//", "0", "b1.lst", "Old battle"});
  const std::string oldBattle = CrLf({"1", "old.tie", "Old", " "});
  WriteBytes(FTemp.Path() / "battle" / "mission.lst", oldList);
  WriteBytes(FTemp.Path() / "battle" / "b1.lst", oldBattle);
  fs::create_directory(FTemp.Path() / "battle" / "taken.lst");

  try {
    Save(mtBattles,
         {Header(likWar, "New"), Record(likBattle, 0, "b1.lst", "New battle"),
          Record(likOperation, 0, "new.tie"), Record(likBattle, 1, "taken.lst", "Blocked")});
    FAIL() << "saving over a directory succeeded";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Reason(), "Is a folder, not a file");
  }
  EXPECT_EQ(Read("battle", "mission.lst"), oldList);
  EXPECT_EQ(Read("battle", "b1.lst"), oldBattle);
  EXPECT_EQ(test::ListDirectory(FTemp.Path() / "battle"), "b1.lst mission.lst taken.lst");
}

} // namespace
} // namespace flightdeck
