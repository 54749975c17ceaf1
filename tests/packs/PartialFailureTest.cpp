// SPDX-License-Identifier: GPL-3.0-or-later
// Installs are whole or nothing: whatever fails on the way, the game stays byte-for-byte as it was.

#include "packs/PackInstall.h"
#include "platform/InOutError.h"
#include "services/MissionInstall.h"
#include "support/IoFaultPlan.h"
#include "support/ListSaving.h"
#include "support/PackFiles.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace flightdeck {
namespace {

using test::CrLf;
namespace fs = std::filesystem;

class PartialFailure : public ::testing::Test {
protected:
  PartialFailure() : FGame(test::MakeGameDirectory(FTemp.Path() / "Game")) {
    const fs::path game = FTemp.Path() / "Game";
    test::WriteBytes(game / "battle" / "mission.lst",
                     CrLf({"//", "[Old War]", "//", "0", "old1.lst", "Old Battle"}));
    test::WriteBytes(game / "battle" / "old1.lst", CrLf({"1", "o1.tie", "x", "y"}));
    for (const char* list : {"mission.lst", "rebel.lst", "imperial.lst"})
      test::WriteBytes(game / "combat" / list, CrLf({"//", "[Old]", "//", "0", "o1.tie", list}));
    test::WriteBytes(game / "combat" / "o1.tie", "old mission");
    test::WriteBytes(game / "combat" / "d2.tie", "replaced by the pack");
    test::MakePack(FTemp.Path() / "dark.ixo", {{"dark.mcl", test::BattlePackScript()},
                                               {"d1.tie", "1"},
                                               {"d2.tie", "2"},
                                               {"d3.tie", "3"}});
  }
  ~PartialFailure() override { SetIoFaultPlan(nullptr); }

  TOutcome<> Install() {
    return test::InSession(FGame, [&](TSession& session) {
      return InstallPack(session, FZip, test::ListPack(FZip, FTemp.Path() / "dark.ixo"), mtBattles,
                         gnNeutral, TNonMissions::Install);
    });
  }

  test::TTempDir FTemp;
  std::string FGame;
  TZipArchiver FZip;
};

TEST_F(PartialFailure, AFailureAnywhereInAnInstallLeavesTheWholeGameAsItWas) {
  const auto endsWith = [](const std::string& path, const char* tail) {
    return path.size() >= std::string_view(tail).size() &&
           path.compare(path.size() - std::string_view(tail).size(), std::string::npos, tail) == 0;
  };
  struct TCase {
    const char* What;
    TIoFaultPlan Plan;
  };
  const TCase cases[] = {
      {"disk full writing the last Combat list",
       [&](TIoStep step, const std::string& path) {
         return step == TIoStep::Write && endsWith(path, "combat/imperial.lst") ? test::DiskFull
                                                                                : 0;
       }},
      {"access denied creating the battle file",
       [&](TIoStep step, const std::string& path) {
         return step == TIoStep::Create && path.find("/battle/") != std::string::npos
                    ? test::AccessDenied
                    : 0;
       }},
      {"a list that cannot be read",
       [&](TIoStep step, const std::string& path) {
         return step == TIoStep::OpenForReading && endsWith(path, "combat/rebel.lst") ? EIO : 0;
       }},
      {"disk full copying the second mission",
       [&](TIoStep step, const std::string& path) {
         return step == TIoStep::Write && endsWith(path, "combat/d2.tie") ? test::DiskFull : 0;
       }},
  };
  const std::string before = test::Snapshot(FTemp.Path() / "Game");
  for (const TCase& failure : cases) {
    SetIoFaultPlan(failure.Plan);
    EXPECT_THROW(Install(), EInOutError) << failure.What;
    SetIoFaultPlan(nullptr);
    EXPECT_EQ(test::Snapshot(FTemp.Path() / "Game"), before) << failure.What;
  }
  // A folder where a list belongs: nothing else of the install goes in either.
  fs::remove(FTemp.Path() / "Game" / "combat" / "rebel.lst");
  fs::create_directory(FTemp.Path() / "Game" / "combat" / "rebel.lst");
  const std::string withFolder = test::Snapshot(FTemp.Path() / "Game");
  EXPECT_THROW(Install(), EInOutError);
  EXPECT_EQ(test::Snapshot(FTemp.Path() / "Game"), withFolder);
  fs::remove(FTemp.Path() / "Game" / "combat" / "rebel.lst");

  const TOutcome<> pack = Install();
  EXPECT_EQ(pack.Error(), "");
  EXPECT_EQ(test::ReadBytes(FTemp.Path() / "Game" / "combat" / "d2.tie"), "2");
  EXPECT_EQ(test::ReadBytes(FTemp.Path() / "Game" / "battle" / "dark1.lst"),
            CrLf({"3", "d1.tie", "d2.tie", "d3.tie", " ", " "}));
}

TEST_F(PartialFailure, ASingleMissionInstallIsWholeOrNothingToo) {
  test::WriteBytes(FTemp.Path() / "new.tie", "new mission");
  const std::string before = test::Snapshot(FTemp.Path() / "Game");
  SetIoFaultPlan([](TIoStep step, const std::string& path) {
    return step == TIoStep::Write && path.find("battle/mission.lst") != std::string::npos
               ? test::DiskFull
               : 0;
  });
  TMissionTree tree(FGame, mtBattles, gnNeutral);
  tree.Load();
  EXPECT_THROW(test::InSession(FGame,
                               [&](TSession& session) {
                                 return InstallMissionUnder(session, tree,
                                                            (FTemp.Path() / "new.tie").string(),
                                                            "Old Battle", "New");
                               }),
               EInOutError);
  SetIoFaultPlan(nullptr);
  EXPECT_EQ(test::Snapshot(FTemp.Path() / "Game"), before);
}

} // namespace
} // namespace flightdeck
