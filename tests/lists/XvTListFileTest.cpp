// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/XvTListFile.h"
#include "support/ListRecords.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

using test::Header;
using test::Record;
using Records = std::vector<TListFileItem>;

TListFileItem Campaign(std::string title) {
  return Header(likCampaign, std::move(title));
}
TListFileItem Engagement(int number, std::string file, std::string title = "") {
  return Record(likEngagement, number, std::move(file), std::move(title));
}

Records AfterAddMission(const Records& before, const std::string& group) {
  TXvTListFile list("c:\\xvt\\", mtCombat, gnNeutral);
  test::Append(list, before);
  list.AddMission(Engagement(77, "new.tie", "New Mission"), group);
  return test::Records(list);
}

TEST(AddMission, InsertsAfterTheEngagementsOfTheLastMatchingCampaign) {
  const TListFileItem added = Engagement(2, "new.tie", "New Mission");
  EXPECT_EQ(
      AfterAddMission({Campaign("Alpha"), Engagement(0, "a"), Engagement(1, "b"), Campaign("Beta")},
                      "alpha"),
      (Records{Campaign("Alpha"), Engagement(0, "a"), Engagement(1, "b"), added,
               Campaign("Beta")}));
  EXPECT_EQ(
      AfterAddMission({Campaign("Alpha"), Campaign("Beta")}, "Alpha"),
      (Records{Campaign("Alpha"), Engagement(0, "new.tie", "New Mission"), Campaign("Beta")}));
  EXPECT_EQ(AfterAddMission({Campaign("Alpha"), Engagement(0, "a"), Campaign("Alpha"),
                             Engagement(1, "b"), Campaign("Beta")},
                            "ALPHA"),
            (Records{Campaign("Alpha"), Engagement(0, "a"), Campaign("Alpha"), Engagement(1, "b"),
                     added, Campaign("Beta")}));
  EXPECT_EQ(AfterAddMission({Campaign("Alpha"), Engagement(0, "a"), Engagement(1, "b")}, "Alpha"),
            (Records{Campaign("Alpha"), Engagement(0, "a"), Engagement(1, "b"), added}));
}

TEST(AddMission, AppendsANewCampaignWhenNoneMatches) {
  EXPECT_EQ(AfterAddMission({Campaign("Alpha"), Engagement(0, "a")}, "Gamma Run"),
            (Records{Campaign("Alpha"), Engagement(0, "a"), Campaign("Gamma Run"),
                     Engagement(1, "new.tie", "New Mission")}));
  // A battle's title may hold "]", a header's may not.
  EXPECT_EQ(AfterAddMission({Campaign("Gamma Run")}, "Gamma]Run"),
            (Records{Campaign("Gamma Run"), Engagement(0, "new.tie", "New Mission")}));
  EXPECT_EQ(AfterAddMission({}, ""),
            (Records{Campaign(""), Engagement(0, "new.tie", "New Mission")}));
  EXPECT_EQ(AfterAddMission({Campaign("")}, ""),
            (Records{Campaign(""), Engagement(0, "new.tie", "New Mission")}));
}

TEST(CopyTitles, GivesEachDestinationTheLastSourceTitleOfItsFileName) {
  Records destination = {Engagement(0, "A.tie", "old a"), Engagement(1, "b.tie", "old b"),
                         Record(likOperation, 0, "a.tie", "operation kind stays")};
  Records source = {Record(likOperation, 0, "a.TIE", "first"),
                    Record(likOperation, 0, "a.tie", "second"),
                    Record(likContest, 0, "b.tie", "other kind is ignored")};
  TListItemRefs destinationRefs, sourceRefs;
  for (TListFileItem& item : destination)
    destinationRefs.push_back(&item);
  for (TListFileItem& item : source)
    sourceRefs.push_back(&item);
  TXvTListFile::CopyTitles(likEngagement, likOperation, destinationRefs, sourceRefs);
  EXPECT_EQ(destination[0].Title, "second");
  EXPECT_EQ(destination[1].Title, "old b");
  EXPECT_EQ(destination[2].Title, "operation kind stays");
}

const std::vector<TPackageItem> Pack = {
    {likWar, "", "War N", "War R", "War I", ""},
    {likBattle, "b1.lst", "Battle N", "Battle R", "Battle I", ""},
    {likOperation, "m1.tie", "Op N", "Op R", "Op I", ""},
    {likOperation, "m2.tie", "", "", "", ""},
    {likCampaign, "", "Campaign N", "Campaign R", "", ""},
    {likTournamentSeries, "", "", "", "", ""},
    {likEngagement, "m3.tie", "Eng N", "Eng R", "Eng I", ""},
    {static_cast<TListItemKind>(8), "x.tie", "Corrupt", "", "", ""},
    {static_cast<TListItemKind>(200), "y.tie", "Unknown", "", "", ""},
};

Records AfterPack(TMissionType type, TGender side, const Records& before) {
  TXvTListFile list("c:\\xvt\\", type, side);
  test::Append(list, before);
  list.AddPackageItems(Pack);
  return test::Records(list);
}

TEST(AddPackageItems, CombatListsTakeCampaignsAndNumberedEngagements) {
  EXPECT_EQ(AfterPack(mtCombat, gnRebel, {Engagement(0, "x"), Engagement(2, "y")}),
            (Records{Engagement(0, "x"), Engagement(2, "y"), Campaign("Battle R"),
                     Engagement(1, "m1.tie", "Op R"), Campaign("Campaign R"),
                     Engagement(3, "m3.tie", "Eng R")}));
  // A Campaign without a title for this side is dropped.
  EXPECT_EQ(AfterPack(mtTraining, gnImperial, {}),
            (Records{Campaign("Battle I"), Engagement(0, "m1.tie", "Op I"),
                     Engagement(1, "m3.tie", "Eng I")}));
}

TEST(AddPackageItems, BattleListsTakeHeadersEntriesAndTheirMissions) {
  EXPECT_EQ(AfterPack(mtBattles, gnNeutral, {Record(likBattle, 0, "old.lst")}),
            (Records{Record(likBattle, 0, "old.lst"), Header(likWar, "War N"),
                     Record(likBattle, 1, "b1.lst", "Battle N"),
                     Record(likOperation, 0, "m1.tie", "Op N"), Header(likWar, ""),
                     Record(likOperation, 0, "m3.tie", "Eng N")}));
  EXPECT_EQ(
      AfterPack(mtTournaments, gnNeutral, {}),
      (Records{Header(likTournamentSeries, "War N"), Record(likTournament, 0, "b1.lst", "Battle N"),
               Record(likContest, 0, "m1.tie", "Op N"), Header(likTournamentSeries, ""),
               Record(likContest, 0, "m3.tie", "Eng N")}));
}

TEST(XvTListFile, HandsItsRecordsOver) {
  TXvTListFile list("c:\\xvt\\", mtCombat, gnNeutral);
  EXPECT_EQ(list.FileName(), "c:\\xvt\\combat\\mission.lst");
  test::Append(list, {Campaign("Kept"), Engagement(4, "kept.tie")});
  const TXvTListFile::TItems taken = list.TakeItems();
  EXPECT_TRUE(list.Items().empty());
  ASSERT_EQ(taken.size(), 2u);
  EXPECT_EQ(taken[0]->Title, "Kept");
  EXPECT_EQ(taken[1]->Number, 4);
}

} // namespace
} // namespace flightdeck
