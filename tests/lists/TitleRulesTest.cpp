// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/TitleRules.h"
#include "lists/XvTListFile.h"
#include "support/ListSaving.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

// Every title that passes the rule reads back from the list as written; every other is refused.
TEST(TitleRules, ATitleIsTakenOnlyWhenItReadsBackUnchanged) {
  const std::pair<TListItemKind, std::string> cases[] = {
      {likCampaign, "x]y"},   {likCampaign, "a.b"},    {likCampaign, "[nested"},
      {likEngagement, "x]y"}, {likEngagement, "a\rb"}, {likEngagement, "a\nb"},
      {likBattle, "end\x1A"}, {likWar, "x]"},          {likTournamentSeries, "ok"},
      {likCampaign, "   "},   {likEngagement, "//"}};
  test::TTempDir temp;
  const std::string game = test::MakeGameDirectory(temp.Path());
  for (const auto& [kind, title] : cases) {
    const bool taken = TitleRefusal(kind, title).Empty();
    const std::string written = taken ? title : WritableTitle(kind, title);
    EXPECT_TRUE(TitleRefusal(kind, written).Empty()) << title;
    TXvTListFile list(game, IsGroupHeader(kind) && kind != likCampaign ? mtBattles : mtCombat,
                      gnNeutral);
    TListFileItem record;
    record.Kind = IsGroupHeader(kind) ? GroupHeaderKind(list.MissionType()) : likEngagement;
    record.Title = written;
    test::SavedToFile(list, {&record});
    TXvTListFile reread(game, list.MissionType(), gnNeutral);
    reread.LoadFromFile();
    ASSERT_EQ(reread.Items().size(), 1u) << title;
    EXPECT_EQ(reread.Items()[0]->Title, written) << title;
    EXPECT_EQ(taken, title.find_first_of(IsGroupHeader(kind) ? "]\r\n\x1A" : "\r\n\x1A") ==
                         std::string::npos)
        << title;
  }
}

} // namespace
} // namespace flightdeck
