// SPDX-License-Identifier: GPL-3.0-or-later
#include "packs/InstalledPacks.h"
#include "journal/CommandNames.h"
#include "packs/PackInstall.h"
#include "packs/PackRemoval.h"
#include "support/ListSaving.h"
#include "support/MissionWriter.h"
#include "support/PackFiles.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

using test::CrLf;
namespace fs = std::filesystem;

TEST(PackRecord, ReadsBackWhatItWroteAndNothingDamaged) {
  TPackRecord record{"Dark Times.ixo",
                     "3:abc",
                     mtBattles,
                     gnRebel,
                     {{mtBattles, gnRebel}, {mtCombat, gnNeutral}},
                     {{0, likWar, "", "Dark\tTimes %"},
                      {0, likBattle, "dark1.lst", "Into"},
                      {1, likEngagement, "d1.tie", "Dawn"}},
                     4,
                     "Caf\xc3\xa9\r\n\tpack"};
  const std::string text = PackRecordText(record);
  EXPECT_EQ(ParsePackRecord(text), record);
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string changed = text;
    changed.replace(changed.find(from), from.size(), to);
    return changed;
  };
  const auto recordOf = [](std::vector<TMissionListId> lists, TPackRecordEntry entry) {
    TPackRecord other;
    other.Pack = "x.ixo";
    other.Lists = std::move(lists);
    other.Entries = {std::move(entry)};
    return PackRecordText(other);
  };
  const TMissionListId combat{mtCombat, gnNeutral};
  for (const std::string& damaged :
       {text.substr(0, text.size() - 3), replaced("Into", "Onto"), std::string("\0\xff", 2),
        recordOf({}, {0, likEngagement, "a.tie", "A"}),          // no list
        recordOf({combat}, {1, likEngagement, "a.tie", "A"}),    // no such list
        recordOf({combat}, {0, likEngagement, "../a.tie", "A"}), // not a plain name
        recordOf({combat}, {0, likCampaign, "a.tie", "A"})})     // a group names no file
    EXPECT_FALSE(ParsePackRecord(damaged).has_value()) << damaged;
}

class PackUnits : public ::testing::Test {
protected:
  PackUnits() : FGame(test::MakeGameDirectory(FTemp.Path() / "game")) {}

  // Installs a pack of one campaign, `title`, of the missions `files` into Combat.
  void Install(const std::string& pack, const std::string& title,
               const std::vector<std::string>& files, int replacing = 0) {
    std::string script = CrLf({"Collection", "", title, title, title, "", "Missions"});
    std::vector<std::pair<std::string, std::string>> contents;
    for (const std::string& file : files) {
      script += CrLf({file, file, file, file});
      contents.emplace_back(file, test::Mission(pack + file));
    }
    contents.emplace_back("pack.mcl", script + CrLf({""}));
    test::MakePack(FTemp.Path() / pack, contents);
    TSession session(FGame, CommandNames::InstallPack, pack, FPlace);
    ASSERT_TRUE(InstallPack(session, FZip, test::ListPack(FZip, FTemp.Path() / pack), mtCombat,
                            gnNeutral, TNonMissions::Install, replacing));
    session.Commit();
  }
  std::vector<TInstalledPack> Packs() {
    FEntries = TGameHistory(FGame, FPlace).Entries();
    return InstalledPacks(TGameHistory(FGame, FPlace), FEntries, FGame);
  }
  TOutcome<TPackRemoval> Remove(int id) {
    TSession session(FGame, CommandNames::RemovePack, {}, FPlace);
    TOutcome<TPackRemoval> removal = RemovePack(session, id);
    if (removal)
      session.Commit();
    return removal;
  }
  // The list of `side`: each record's kind and title.
  std::vector<std::string> List(TGender side) {
    TXvTListFile list(FGame, mtCombat, side);
    list.LoadFromFile();
    std::vector<std::string> records;
    for (const auto& item : list.Items())
      records.push_back(std::string(ListItemKindName(item->Kind)) + " " + item->Title);
    return records;
  }

  test::TTempDir FTemp;
  std::string FGame;
  THistoryPlace FPlace{test::HostOf(FTemp.Path() / "history")};
  TZipArchiver FZip;
  std::vector<THistoryEntry> FEntries;
};

TEST_F(PackUnits, APackComesOutWhateverCameAfterItAndUndoBringsItBack) {
  test::WriteBytes(FTemp.Path() / "game" / "combat" / "shared.tie", "the player's own");
  Install("A.ixo", "Alpha", {"a1.tie", "a2.tie", "shared.tie"});
  Install("B.ixo", "Beta", {"b1.tie"});
  Install("C.ixo", "Gamma", {"c1.tie"});
  // The player renames A's campaign, moves one of its missions into B's, and adds one there.
  test::WriteBytes(FTemp.Path() / "game" / "combat" / "own.tie", test::Mission("own"));
  {
    TXvTListFile list(FGame, mtCombat, gnNeutral);
    list.LoadFromFile();
    TListItemRefs items = list.ItemRefs();
    items[0]->Title = "Mine Now";
    std::rotate(items.begin() + 1, items.begin() + 2, items.begin() + 6); // a1 after b1
    TListFileItem own{likEngagement, 0, "own.tie", "Own", {}};
    items.insert(items.begin() + 6, &own);
    test::SavedToFile(list, items);
  }
  const std::vector<TInstalledPack> before = Packs();
  ASSERT_EQ(before.size(), 3u);
  EXPECT_EQ(before[0].State, TPackState::Changed);
  EXPECT_EQ(before[0].Groups, std::vector<std::string>{"Mine Now"});
  EXPECT_EQ(before[0].Missions, 3u);
  EXPECT_EQ(before[1].State, TPackState::Installed);
  const std::string game = test::Snapshot(FTemp.Path() / "game");

  const TOutcome<TPackRemoval> removal = Remove(before[0].Entry->Id);
  ASSERT_EQ(removal.Error(), "");
  EXPECT_EQ(removal.Value().Pack, "A.ixo");
  EXPECT_EQ(List(gnNeutral),
            (std::vector<std::string>{"Campaign Beta", "Engagement b1.tie", "Engagement Own",
                                      "Campaign Gamma", "Engagement c1.tie"}));
  EXPECT_EQ(List(gnRebel), (std::vector<std::string>{"Campaign Beta", "Engagement b1.tie",
                                                     "Campaign Gamma", "Engagement c1.tie"}));
  for (const char* gone : {"a1.tie", "a2.tie"})
    EXPECT_FALSE(fs::exists(FTemp.Path() / "game" / "combat" / gone)) << gone;
  EXPECT_EQ(test::ReadBytes(FTemp.Path() / "game" / "combat" / "shared.tie"), "the player's own");
  const std::vector<TInstalledPack> after = Packs();
  EXPECT_EQ(after[0].State, TPackState::Removed);
  EXPECT_EQ(after[1].State, TPackState::Installed);
  EXPECT_EQ(after[2].State, TPackState::Installed);

  TSession undo(FGame, CommandNames::Undo, {}, FPlace);
  ASSERT_TRUE(undo.Undo(0));
  undo.Commit();
  EXPECT_EQ(test::Snapshot(FTemp.Path() / "game"), game);
}

TEST_F(PackUnits, AnotherVersionTakesThePackOutAndGoesInItsPlace) {
  Install("A.ixo", "Alpha", {"a1.tie", "a2.tie"});
  Install("B.ixo", "Beta", {"b1.tie"});
  const std::string game = test::Snapshot(FTemp.Path() / "game");
  Install("A2.ixo", "Alpha", {"a1.tie", "a3.tie"}, Packs()[0].Entry->Id);
  EXPECT_EQ(List(gnNeutral),
            (std::vector<std::string>{"Campaign Alpha", "Engagement a1.tie", "Engagement a3.tie",
                                      "Campaign Beta", "Engagement b1.tie"}));
  EXPECT_FALSE(fs::exists(FTemp.Path() / "game" / "combat" / "a2.tie"));
  EXPECT_EQ(test::ReadBytes(FTemp.Path() / "game" / "combat" / "a1.tie"),
            test::Mission("A2.ixoa1.tie"));
  const std::vector<TInstalledPack> packs = Packs();
  ASSERT_EQ(packs.size(), 3u);
  EXPECT_EQ(packs[0].State, TPackState::Removed);
  EXPECT_EQ(packs[2].State, TPackState::Installed);
  EXPECT_NE(Remove(packs[0].Entry->Id).Error().find("taken out already"), std::string::npos);
  EXPECT_EQ(PacksLike(packs, "a.IXO", {}).size(), 0u); // taken out
  EXPECT_EQ(PacksLike(packs, "x.ixo", {"ALPHA"}).size(), 1u);
  // Looking only at the packs it could name finds the same, and leaves the others unexamined.
  const std::vector<TInstalledPack> alike =
      InstalledPacksLike(TGameHistory(FGame, FPlace), FEntries, FGame, "x.ixo", {"ALPHA"});
  ASSERT_EQ(PacksLike(alike, "x.ixo", {"ALPHA"}).size(), 1u);
  EXPECT_EQ(PacksLike(alike, "x.ixo", {"ALPHA"})[0]->Entry->Id, packs[2].Entry->Id);
  EXPECT_EQ(alike[1].State, TPackState::Unknown); // Beta's files were not looked at

  TSession undo(FGame, CommandNames::Undo, {}, FPlace);
  ASSERT_TRUE(undo.Undo(0));
  undo.Commit();
  EXPECT_EQ(test::Snapshot(FTemp.Path() / "game"), game);
}

TEST_F(PackUnits, WhatHasNoRecordIsListedAsUnknownAndNotTakenOut) {
  Install("A.ixo", "Alpha", {"a1.tie"});
  Install("B.ixo", "Beta", {"b1.tie"});
  const std::vector<TInstalledPack> packs = Packs();
  fs::remove(test::PathOf(TGameHistory(FGame, FPlace).Folder() / HistoryFolderName(1) / "pack"));
  test::WriteBytes(
      test::PathOf(TGameHistory(FGame, FPlace).Folder() / HistoryFolderName(2) / "pack"),
      "flightdeck-pack 1\ndamaged\n");
  for (const TInstalledPack& pack : Packs()) {
    EXPECT_EQ(pack.State, TPackState::Unknown);
    EXPECT_NE(Remove(pack.Entry->Id).Error().find("record"), std::string::npos);
  }
  EXPECT_NE(Remove(7).Error().find("not the install of a pack"), std::string::npos);
  EXPECT_EQ(List(gnNeutral).size(), 4u); // nothing was taken out
}

} // namespace
} // namespace flightdeck
