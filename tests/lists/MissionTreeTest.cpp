// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/MissionTree.h"
#include "support/ListSaving.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

using test::CrLf;
using test::ReadBytes;
using test::WriteBytes;
namespace fs = std::filesystem;

// "level kind label number" of each node, one per line.
std::string Shape(const TMissionTree& tree) {
  std::string shape;
  for (const TMissionNode* node : tree.Nodes())
    shape += std::to_string(node->Level()) + " " +
             std::string(ListItemKindName(node->Record.Kind)) + " " + node->Label() +
             (IsEntry(node->Record.Kind) ? " #" + std::to_string(node->Record.Number) : "") + "\n";
  return shape;
}

class MissionTree : public testing::Test {
protected:
  test::TTempDir FTemp;
  std::string FGame = test::MakeGameDirectory(FTemp.Path());

  void SetUp() override {
    WriteBytes(FTemp.Path() / "battle" / "mission.lst",
               CrLf({"//", "[War]", "//", "0", "b1.lst", "First", "1", "b2.lst", "", "3", "B4.LST",
                     "Fourth", "//", "[Peace]", "//"}));
    WriteBytes(FTemp.Path() / "battle" / "b1.lst",
               CrLf({"3", "a.tie", "b.tie", "c.tie", "x", "y"}));
    WriteBytes(FTemp.Path() / "battle" / "b2.lst", CrLf({"2", "d.tie", "E.TIE", "x", "y"}));
    WriteBytes(FTemp.Path() / "battle" / "b4.lst", CrLf({"0", "x", "y"}));
    WriteBytes(FTemp.Path() / "battle" / "spare.lst", CrLf({"2", "a.tie", "z.tie", "p", "q"}));
    WriteBytes(FTemp.Path() / "combat" / "mission.lst",
               CrLf({"0",       "A.tie", "Alpha",   "1",     "b.tie",    "",      "//",
                     "[Group]", "//",    "2",       "e.tie", "Echo old", "3",     "e.tie",
                     "Echo",    "//",    "[Other]", "//",    "7",        "o.tie", "Oscar"}));
  }

  TMissionTree Loaded(TMissionType type, TGender side = gnNeutral) const {
    TMissionTree tree(FGame, type, side);
    tree.Load();
    return tree;
  }
};

TEST_F(MissionTree, ShowsListsAsTheGameGroupsThem) {
  const TMissionTree battles = Loaded(mtBattles);
  EXPECT_EQ(Shape(battles),
            "0 War War\n"
            "1 Battle First #0\n2 Operation Alpha\n2 Operation \n2 Operation c.tie\n"
            "1 Battle b2.lst #1\n2 Operation d.tie\n2 Operation Echo\n"
            "1 Battle Fourth #3\n0 War Peace\n");
  EXPECT_FALSE(battles.HadCorruptEntry());
  EXPECT_FALSE(battles.Changed());
  // Entries before any group stand at the top.
  WriteBytes(FTemp.Path() / "train" / "rebel.lst",
             CrLf({"0", "a.tie", "Loose", "//", "[Camp]", "//", "1", "b.tie", "Inside"}));
  EXPECT_EQ(Shape(Loaded(mtTraining, gnRebel)),
            "0 Engagement Loose #0\n0 Campaign Camp\n1 Engagement Inside #1\n");
  EXPECT_EQ(Shape(Loaded(mtCombat, gnImperial)), "");
}

TEST_F(MissionTree, MovesByTheDropTable) {
  struct TCase {
    const char* Source;
    const char* Target;
    bool Moves;
    const char* Shape; // of the Combat list after the drop
  };
  const TCase cases[] = {
      // An Engagement dropped on a Campaign becomes its first child.
      {"Oscar", "Group", true, "Alpha b.tie [Group] Oscar Echo old Echo [Other]"},
      // ... on another Engagement lands just before it, under that one's Campaign.
      {"Oscar", "Echo", true, "Alpha b.tie [Group] Echo old Oscar Echo [Other]"},
      {"Alpha", "Oscar", true, "b.tie [Group] Echo old Echo [Other] Alpha Oscar"},
      // A Campaign dropped on an Engagement of another Campaign lands before that Campaign.
      {"Other", "Echo", true, "Alpha b.tie [Other] Oscar [Group] Echo old Echo"},
      {"Group", "Other", true, "Alpha b.tie [Group] Echo old Echo [Other] Oscar"},
      // A node dropped on itself or below itself stays; so does one whose target has no
      // parent to land before.
      {"Group", "Echo", false, ""},
      {"Echo", "Echo", false, ""},
      {"Group", "Alpha", false, ""},
  };
  for (const TCase& c : cases) {
    TMissionTree tree = Loaded(mtCombat);
    EXPECT_EQ(tree.Move(*tree.FindLabel(c.Source), *tree.FindLabel(c.Target)), c.Moves)
        << c.Source << " on " << c.Target;
    if (!c.Moves) {
      EXPECT_FALSE(tree.Changed());
      continue;
    }
    std::string shape;
    for (const TMissionNode* node : tree.Nodes())
      shape += (shape.empty() ? "" : " ") +
               (IsGroupHeader(node->Record.Kind) ? "[" + node->Label() + "]" : node->Label());
    EXPECT_EQ(shape, c.Shape) << c.Source << " on " << c.Target;
  }
  // Two levels: an Operation on a War does nothing; a War on an Operation lands before its War.
  TMissionTree battles = Loaded(mtBattles);
  EXPECT_FALSE(battles.Move(*battles.FindLabel("Alpha"), *battles.FindLabel("War")));
  EXPECT_TRUE(battles.Move(*battles.FindLabel("Peace"), *battles.FindLabel("Echo")));
  EXPECT_EQ(battles.Roots().front()->Label(), "Peace");
  EXPECT_TRUE(battles.Move(*battles.FindLabel("Echo"), *battles.FindLabel("First")));
  EXPECT_EQ(battles.FindLabel("First")->Children.front()->Label(), "Echo");
}

TEST_F(MissionTree, RenumbersWithTheClashSwap) {
  TMissionTree tree = Loaded(mtBattles);
  TMissionNode& fourth = *tree.FindLabel("Fourth");
  EXPECT_EQ(tree.NextNumber(likBattle), 2);
  // The entry's own number changes nothing and clashes with nobody.
  const TRenumbering own = tree.PlanRenumbering(fourth, 3);
  EXPECT_EQ(own.Clash, nullptr);
  tree.Renumber(own);
  EXPECT_FALSE(tree.Changed());
  // A taken number names the last holder in tree order, which gets the next free number.
  tree.Renumber({tree.FindLabel("b2.lst"), 0});
  const TRenumbering clash = tree.PlanRenumbering(fourth, 0);
  EXPECT_EQ(clash.Clash, tree.FindLabel("b2.lst"));
  EXPECT_EQ(clash.Next, 1);
  tree.Renumber(clash);
  EXPECT_EQ(fourth.Record.Number, 0);
  EXPECT_EQ(tree.FindLabel("b2.lst")->Record.Number, 1);
  EXPECT_EQ(tree.FindLabel("First")->Record.Number, 0);
}

TEST_F(MissionTree, AddsGroupsBattlesAndMissionsWhereTheyBelong) {
  TMissionTree tree = Loaded(mtBattles);
  EXPECT_EQ(tree.AddGroup().Label(), "A New War");
  EXPECT_EQ(tree.Roots().back()->Label(), "A New War");
  // A Battle goes under the War holding the selection; a top-level one has none.
  EXPECT_EQ(tree.BattleHeaderOf(tree.FindLabel("Echo")), tree.FindLabel("War"));
  EXPECT_EQ(tree.BattleHeaderOf(nullptr), nullptr);
  EXPECT_EQ(Loaded(mtCombat).BattleHeaderOf(Loaded(mtCombat).FindLabel("Echo")), nullptr);

  TMissionNode& war = *tree.FindLabel("War");
  for (const char* taken : {"B1.LST", "b4", "Mission.TXT", "imperial.lst"})
    EXPECT_FALSE(tree.AddBattle(war, taken).Ok()) << taken;
  EXPECT_EQ(tree.AddBattle(war, "b4").Error(),
            "The List File \"b4.lst\" is presently in use by another battle/tournament.  Please "
            "specify a list file that is not already in use.");
  const TOutcome<TMissionNode*> fresh = tree.AddBattle(war, "c:\\Battles\\New.TXT");
  ASSERT_TRUE(fresh.Ok());
  EXPECT_EQ(fresh.Value()->Record.FileName, "New.lst");
  EXPECT_EQ(fresh.Value()->Record.Number, 2);
  EXPECT_EQ(fresh.Value()->Label(), "A New Battle");
  // An existing battle file brings its missions, titled from the neutral Combat list.
  const TOutcome<TMissionNode*> spare = tree.AddBattle(war, "spare");
  ASSERT_TRUE(spare.Ok());
  EXPECT_EQ(spare.Value()->Record.Number, 4);
  EXPECT_EQ(spare.Value()->Record.Description, (TDescriptionLines{"p", "q"}));
  ASSERT_EQ(spare.Value()->Children.size(), 2u);
  EXPECT_EQ(spare.Value()->Children[0]->Label(), "Alpha");
  EXPECT_EQ(spare.Value()->Children[1]->Label(), "z.tie");

  // A mission goes under a Battle, or the Battle of a selected Operation, numbered 0; an
  // Engagement takes the next free number.
  EXPECT_EQ(tree.MissionParentOf(tree.FindLabel("Echo")), tree.FindLabel("b2.lst"));
  EXPECT_EQ(tree.MissionParentOf(&war), nullptr);
  TMissionNode& operation = tree.AddMission(*tree.FindLabel("b2.lst"), "N.TIE");
  EXPECT_EQ(operation.Record.Kind, likOperation);
  EXPECT_EQ(operation.Record.FileName, "n.tie");
  EXPECT_EQ(operation.Record.Number, 0);
  TMissionTree combat = Loaded(mtCombat);
  EXPECT_EQ(combat.AddMission(*combat.FindLabel("Group"), "m.tie").Record.Number, 4);
}

TEST_F(MissionTree, RemovesRenamesAndSavesOnlyWhatChanged) {
  TMissionTree tree = Loaded(mtBattles);
  EXPECT_FALSE(test::Saved(tree));
  EXPECT_NE(tree.Rename(*tree.FindLabel("Peace"), "Cold]War").Error().find("\"]\""),
            std::string::npos);
  EXPECT_FALSE(tree.Rename(*tree.FindLabel("Alpha"), "two\rlines").Ok());
  EXPECT_TRUE(tree.Rename(*tree.FindLabel("Alpha"), "").Ok());
  EXPECT_EQ(tree.Nodes()[2]->Label(), " ");
  tree.Remove(*tree.FindLabel("War"));
  EXPECT_EQ(Shape(tree), "0 War Peace\n");
  EXPECT_EQ(tree.CollectTreeItems(0, 0).front().Title, "Peace");
  EXPECT_TRUE(test::Saved(tree));
  EXPECT_EQ(ReadBytes(FTemp.Path() / "battle" / "mission.lst"), CrLf({"//", "[Peace]", "//"}));
  EXPECT_TRUE(fs::exists(FTemp.Path() / "battle" / "b1.lst")); // battle files stay
  EXPECT_FALSE(test::Saved(tree));
}

TEST_F(MissionTree, SavingBattlesCarriesOperationTitlesIntoTheNeutralCombatList) {
  WriteBytes(FTemp.Path() / "combat" / "rebel.lst", CrLf({"0", "a.tie", "Rebel side"}));
  const std::string combatBefore = ReadBytes(FTemp.Path() / "combat" / "mission.lst");
  TMissionTree tree = Loaded(mtBattles);
  ASSERT_TRUE(tree.Rename(*tree.FindLabel("Alpha"), "Renamed").Ok());
  test::Saved(tree);
  std::string expected = combatBefore;
  expected.replace(expected.find("Alpha"), 5, "Renamed");
  expected.replace(expected.find("Echo old"), 8, "Echo"); // the last Operation of e.tie
  EXPECT_EQ(ReadBytes(FTemp.Path() / "combat" / "mission.lst"), expected);
  EXPECT_EQ(ReadBytes(FTemp.Path() / "combat" / "rebel.lst"), CrLf({"0", "a.tie", "Rebel side"}));
  EXPECT_EQ(ReadBytes(FTemp.Path() / "battle" / "b1.lst"),
            CrLf({"3", "a.tie", "b.tie", "c.tie", "x", "y"}));
}

} // namespace
} // namespace flightdeck
