// SPDX-License-Identifier: GPL-3.0-or-later
#include "packs/InstallScript.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

using test::CrLf;
using Items = std::vector<TPackageItem>;
using Names = std::vector<std::string>;

class InstallScript : public ::testing::Test {
protected:
  std::string Path() const { return (FTemp.Path() / "pack.mcl").string(); }
  Items Read(TMissionType type, const std::string& text, Names* files = nullptr) {
    test::WriteBytes(Path(), text);
    Names ignored;
    return ReadInstallScript(Path(), type, files ? *files : ignored);
  }
  test::TTempDir FTemp;
};

const Items WarWithTwoBattles = {
    {likWar, "", "Dark Times", "", "", ""},
    {likBattle, "b1.lst", "First Strike", "First Strike R", "First Strike I", "One|Two|"},
    {likOperation, "Op1.tie", "Op One", "", "Op One I", ""},
    {likOperation, "op2.tie", "Op Two", "Op Two R", "", ""},
    {likBattle, "b2.lst", "Second Strike", "", "", "|"},
    {likOperation, "op3.tie", "Op Three", "", "", ""},
};

TEST_F(InstallScript, AWarWithTwoBattlesWritesEachEntryOnce) {
  WriteInstallScript(Path(), WarWithTwoBattles);
  EXPECT_EQ(test::ReadBytes(Path()), CrLf({"Series=Dark Times",
                                           "Collection",
                                           "b1.lst",
                                           "First Strike",
                                           "First Strike R",
                                           "First Strike I",
                                           "One|Two|",
                                           "Missions",
                                           "Op1.tie",
                                           "Op One",
                                           "",
                                           "Op One I",
                                           "op2.tie",
                                           "Op Two",
                                           "Op Two R",
                                           "",
                                           "",
                                           "Collection",
                                           "b2.lst",
                                           "Second Strike",
                                           "",
                                           "",
                                           "|",
                                           "Missions",
                                           "op3.tie",
                                           "Op Three",
                                           "",
                                           "",
                                           ""}));
  Names files;
  EXPECT_EQ(ReadInstallScript(Path(), mtBattles, files), WarWithTwoBattles);
  EXPECT_EQ(files, (Names{"Op1.tie", "op2.tie", "op3.tie"}));

  // On the Combat tab the same pack is a Campaign per battle with Engagements; no series.
  const Items combat = ReadInstallScript(Path(), mtCombat, files);
  ASSERT_EQ(combat.size(), 5u);
  EXPECT_EQ(combat[0].Kind, likCampaign);
  EXPECT_EQ(combat[1].Kind, likEngagement);
  EXPECT_EQ(files.size(), 6u); // appended again, repeats and all

  WriteInstallScript(Path(), {});
  EXPECT_EQ(test::ReadBytes(Path()), "");
  EXPECT_TRUE(ReadInstallScript(Path(), mtBattles, files).empty());
}

TEST_F(InstallScript, TheDeepSpacePack) {
  const Items items =
      Read(mtCombat, CrLf({"Collection", "", "Deep Space", "Deep Space", "Deep Space", "",
                           "Missions", "ds1.tie", "Convoy Strike", "Convoy Strike", "", "ds2.tie",
                           "Ambush", "Ambush R", "Ambush I", ""}));
  EXPECT_EQ(items, (Items{{likCampaign, "", "Deep Space", "Deep Space", "Deep Space", ""},
                          {likEngagement, "ds1.tie", "Convoy Strike", "Convoy Strike", "", ""},
                          {likEngagement, "ds2.tie", "Ambush", "Ambush R", "Ambush I", ""}}));
}

TEST_F(InstallScript, KeywordsSeriesLinesAndLooseEnds) {
  const Items series =
      Read(mtTournaments, CrLf({"SERIES=Dark Times", "series=Dark Times", "Series=Dark=Times",
                                "Series", " Collection", "Collection", "Battle1.LST"}));
  ASSERT_EQ(series.size(), 5u);
  EXPECT_EQ(series[0].NeutralTitle, "Dark Times");
  EXPECT_EQ(series[1].NeutralTitle, "Dark Times");
  EXPECT_EQ(series[2].NeutralTitle, "Dark=Times");
  EXPECT_EQ(series[3].NeutralTitle, "Series");
  EXPECT_EQ(series[4], (TPackageItem{likTournament, "battle1.lst", "", "", "", ""}));

  EXPECT_TRUE(Read(mtBattles, CrLf({"", "Series=Lost", "Collection"})).empty());
  Names files;
  const Items open = Read(mtMelee, "Missions\r\nM1.TIE\r\nA\r\nB\r\nC", &files);
  EXPECT_EQ(open, (Items{{likEngagement, "M1.TIE", "A", "B", "C", ""}}));
  EXPECT_EQ(files, Names{"M1.TIE"});
  EXPECT_TRUE(ReadInstallScript((FTemp.Path() / "none.mcl").string(), mtCombat, files).empty());
}

TEST_F(InstallScript, FreeingGivesBackTheMemory) {
  Items items = WarWithTwoBattles;
  FreePackageItems(items);
  EXPECT_TRUE(items.empty());
  EXPECT_EQ(items.capacity(), 0u);
}

} // namespace
} // namespace flightdeck
