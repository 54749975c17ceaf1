#include "lists/MissionTree.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

using test::CrLf;
using test::ReadBytes;
using test::WriteBytes;
namespace fs = std::filesystem;

// "level kind label" of each node, one per line.
std::string Shape(const TMissionTree& tree) {
  std::string shape;
  for (const TMissionTreeNode& node : tree.Nodes)
    shape += std::to_string(node.Level) + " " + std::string(ListItemKindName(node.Item->Kind)) +
             " " + node.Label + "\n";
  return shape;
}

TEST(MissionTree, BattlesShowTheirOperationsWithCombatTitles) {
  test::TTempDir temp;
  const std::string game = test::MakeGameDirectory(temp.Path());
  WriteBytes(temp.Path() / "battle" / "mission.lst",
             CrLf({"//", "[War]", "//", "0", "b1.lst", "First", "1", "b2.lst", ""}));
  WriteBytes(temp.Path() / "battle" / "b1.lst", CrLf({"3", "a.tie", "b.tie", "c.tie", "x", "y"}));
  WriteBytes(temp.Path() / "battle" / "b2.lst", CrLf({"3", "d.tie", "E.TIE", "f.tie", "x", "y"}));
  WriteBytes(temp.Path() / "combat" / "mission.lst",
             CrLf({"0", "A.tie", "Alpha", "1", "b.tie", "", "//", "[Group]", "//", "2", "e.tie",
                   "Echo old", "3", "e.tie", "Echo"}));
  const TMissionTree tree = LoadMissionTree(game, mtBattles, gnNeutral);
  EXPECT_EQ(Shape(tree),
            "0 War War\n"
            "1 Battle First\n2 Operation Alpha\n2 Operation \n2 Operation c.tie\n"
            "1 Battle b2.lst\n2 Operation d.tie\n2 Operation Echo\n2 Operation f.tie\n");
  EXPECT_EQ(tree.Nodes[2].Item->Title, "Alpha");
  EXPECT_EQ(tree.Nodes[4].Item->Title, "c.tie");
  EXPECT_EQ(tree.Nodes[5].Item->Title, ""); // entries keep their own titles
  EXPECT_EQ(tree.Nodes[6].Parent, 5);
  EXPECT_FALSE(tree.HadCorruptEntry);
}

TEST(MissionTree, EntriesBeforeAnyGroupAreRootNodes) {
  test::TTempDir temp;
  const std::string game = test::MakeGameDirectory(temp.Path());
  WriteBytes(temp.Path() / "train" / "rebel.lst",
             CrLf({"0", "a.tie", "Loose", "//", "[Camp]", "//", "1", "b.tie", "Inside"}));
  WriteBytes(temp.Path() / "tourn" / "mission.lst", CrLf({"0", "cup.lst", "Cup"}));
  WriteBytes(temp.Path() / "tourn" / "cup.lst",
             CrLf({"1", "d.tie", "x", "y", "Missions:", "Duel"}));
  EXPECT_EQ(Shape(LoadMissionTree(game, mtTraining, gnRebel)),
            "0 Engagement Loose\n0 Campaign Camp\n1 Engagement Inside\n");
  EXPECT_EQ(Shape(LoadMissionTree(game, mtTournaments, gnNeutral)),
            "0 Tournament Cup\n1 Contest Duel\n");
  EXPECT_EQ(Shape(LoadMissionTree(game, mtCombat, gnImperial)), "");
}

TEST(MissionTree, SavingBattlesCarriesOperationTitlesIntoTheNeutralCombatList) {
  test::TTempDir temp;
  const std::string game = test::MakeGameDirectory(temp.Path());
  WriteBytes(temp.Path() / "battle" / "mission.lst",
             CrLf({"//", "[War]", "//", "0", "b1.lst", "B"}));
  WriteBytes(temp.Path() / "battle" / "b1.lst", CrLf({"1", "a.tie", "x", "y"}));
  WriteBytes(temp.Path() / "combat" / "mission.lst",
             CrLf({"0", "A.TIE", "Old", "1", "z.tie", "Z"}));
  WriteBytes(temp.Path() / "combat" / "rebel.lst", CrLf({"0", "a.tie", "Rebel side"}));

  TMissionTree tree = LoadMissionTree(game, mtBattles, gnNeutral);
  tree.Nodes[2].Item->Title = "Renamed";
  TListItemRefs items;
  for (TMissionTreeNode& node : tree.Nodes)
    items.push_back(node.Item.get());
  SaveMissionTree(game, mtBattles, gnNeutral, items);
  EXPECT_EQ(ReadBytes(temp.Path() / "combat" / "mission.lst"),
            CrLf({"0", "A.TIE", "Renamed", "1", "z.tie", "Z"}));
  EXPECT_EQ(ReadBytes(temp.Path() / "combat" / "rebel.lst"), CrLf({"0", "a.tie", "Rebel side"}));
  EXPECT_EQ(ReadBytes(temp.Path() / "battle" / "b1.lst"), CrLf({"1", "a.tie", "x", "y"}));
}

} // namespace
} // namespace flightdeck
