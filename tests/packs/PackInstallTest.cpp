// SPDX-License-Identifier: GPL-3.0-or-later
#include "packs/PackInstall.h"
#include "lists/MissionTree.h"
#include "packs/PackBuild.h"
#include "platform/Limits.h"
#include "support/Command.h"
#include "support/IoFaultPlan.h"
#include "support/ListSaving.h"
#include "support/MissionWriter.h"
#include "support/PackFiles.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace flightdeck {
namespace {

using test::CrLf;
using test::ReadBytes;
namespace fs = std::filesystem;

TEST(PackNames, ScriptAndArchiveNames) {
  EXPECT_EQ(FindInstallScript({"readme.txt", "pack.mcl", "m1.tie"}), "pack.mcl");
  EXPECT_EQ(FindInstallScript({"a.b.mcl", "m1.tie"}), "a.b.mcl"); // only by its last dot
  EXPECT_EQ(FindInstallScript({"a.b.mcl", "pack.mcl"}), "pack.mcl");
  EXPECT_EQ(FindInstallScript({"first.mcl", "second.mcl", "FIRST.MCL"}), "first.mcl");
  EXPECT_EQ(FindInstallScript({"notes.mcl.txt"}), "");
  EXPECT_EQ(PackScriptName("/packs/DeepSpace-1.0.ixo"), "DeepSpace-1_0.mcl");
  EXPECT_EQ(PackScriptName("c:\\packs\\Hoth.ixo"), "Hoth.mcl");
  EXPECT_EQ(PackScriptName("/home/pilot/hoth.zip"), "hoth.mcl");
  EXPECT_EQ(PackScriptName("hoth"), "hoth.mcl");
  EXPECT_EQ(WithPackExtension("/packs/hoth"), "/packs/hoth.ixo");
  EXPECT_EQ(WithPackExtension("/packs.d/hoth.zip"), "/packs.d/hoth.zip");
  EXPECT_EQ(WithPackExtension("/packs.d/hoth"), "/packs.d/hoth.ixo");
  EXPECT_EQ(FindPackReadme({"notes.txt", "pack.mcl", "docs/README.TXT"}), "docs/README.TXT");
  EXPECT_EQ(FindPackReadme({"pack.mcl", "Notes.Txt", "more.txt"}), "Notes.Txt");
  EXPECT_EQ(FindPackReadme({"pack.mcl", "txt", "a.txt.tie"}), "");
  // A message names some of many files that are no missions, and counts the rest.
  const std::string many =
      NonMissionsList(std::vector<TNonMission>(MaxFilesNamed + 5, {"x.tie", "not a mission file"}))
          .Text();
  EXPECT_TRUE(many.ends_with("\"x.tie\" (not a mission file), and 5 more files")) << many;
}

TEST(PackReadme, IsUtf8AndNoLargerThanADescription) {
  test::TTempDir temp;
  for (const auto& [bytes, text] : std::vector<std::pair<std::string, std::optional<std::string>>>{
           {"Caf\xe9", "Caf\xc3\xa9"},     // Windows-1252
           {"Caf\xc3\xa9", "Caf\xc3\xa9"}, // UTF-8 already
           {std::string(MaxPackReadmeSize + 1, 'x'), std::nullopt}}) {
    test::MakePack(temp.Path() / "p.ixo", {{"p.mcl", "x"}, {"readme.txt", bytes}});
    TZipArchiver zip;
    EXPECT_EQ(ReadPackReadme(zip, test::ListPack(zip, temp.Path() / "p.ixo")), text);
    fs::remove(temp.Path() / "p.ixo");
  }
}

class PackInstall : public ::testing::Test {
protected:
  PackInstall() : FGame(test::MakeGameDirectory(FTemp.Path() / "game")) {}

  TPackFiles Extract(const fs::path& pack, TMissionType type) {
    TFileTransaction staging;
    TPackFiles files = ExtractPackFiles(staging, FZip, test::ListPack(FZip, pack), FGame, type);
    if (files)
      staging.Commit();
    return files;
  }
  std::string Read(const char* folder, const char* name) const {
    return ReadBytes(FTemp.Path() / "game" / folder / name);
  }

  test::TTempDir FTemp;
  std::string FGame;
  TZipArchiver FZip;
};

TEST_F(PackInstall, ABattlePackOnBattlesRebelFillsTheRebelListAndTheCombatLists) {
  test::MakePack(
      FTemp.Path() / "dark.ixo",
      {{"dark.mcl", test::BattlePackScript()}, {"d1.tie", "1"}, {"d2.tie", "2"}, {"d3.tie", "3"}});
  const TPackFiles pack = Extract(FTemp.Path() / "dark.ixo", mtBattles);
  ASSERT_EQ(pack.Error(), "");
  TFileTransaction staging;
  TFilesRead read;
  TPackRecord record;
  AddPackToLists(staging, read, FGame, mtBattles, gnRebel, pack.Value(), record);
  staging.Commit();
  EXPECT_EQ(Read("battle", "rebel.lst"),
            CrLf({"//", "[]", "//", "0", "dark1.lst", "Into Darkness R"}));
  EXPECT_EQ(Read("battle", "dark1.lst"), CrLf({"2", "d1.tie", "d3.tie", " ", " "}));
  EXPECT_EQ(Read("combat", "rebel.lst"), CrLf({"//", "[Into Darkness R]", "//", "0", "d1.tie",
                                               "Dawn R", "1", "d3.tie", "Dusk R"}));
  EXPECT_EQ(Read("combat", "imperial.lst"), CrLf({"//", "[Into Darkness I]", "//", "0", "d1.tie",
                                                  "Dawn I", "1", "d2.tie", "Noon I"}));
  EXPECT_EQ(test::ListDirectory(FTemp.Path() / "game" / "combat"),
            "d1.tie d2.tie d3.tie imperial.lst mission.lst rebel.lst");
  EXPECT_FALSE(fs::exists(FTemp.Path() / "game" / "battle" / "mission.lst"));
}

TEST_F(PackInstall, UnsafeNamesAreDroppedOrRenamedAndMissingMissionsInstallNothing) {
  // A mission whose name leads elsewhere is left out; a battle file is the pack's to name, and
  // one that is not a plain name gets one made from the battle's title, so its missions are
  // written.
  test::MakePack(
      FTemp.Path() / "odd.ixo",
      {{"odd.mcl", CrLf({"Collection", "..\\up.lst", "Up Hill!", "U", "U", "", "Missions",
                         "../evil.tie", "E", "E", "E", "good.tie", "G", "G", "G", ""})},
       {"good.tie", "g"}});
  const TPackFiles odd = Extract(FTemp.Path() / "odd.ixo", mtTournaments);
  ASSERT_EQ(odd.Notes.size(), 1u);
  EXPECT_NE(odd.Notes[0].Text().find("\"../evil.tie\""), std::string::npos) << odd.Notes[0].Text();
  ASSERT_EQ(odd.Value().size(), 2u);
  EXPECT_EQ(odd.Value()[1].FileName, "good.tie");
  EXPECT_TRUE(fs::exists(FTemp.Path() / "game" / "melee" / "good.tie"));
  TFileTransaction staging;
  TFilesRead read;
  TPackRecord record;
  const std::vector<TMessage> notes =
      AddPackToLists(staging, read, FGame, mtTournaments, gnNeutral, odd.Value(), record);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].Text(), "The battle file \"..\\up.lst\" of \"Up Hill!\" is not a plain "
                             "file name: it was installed as \"up_hill_.lst\".");
  staging.Commit();
  EXPECT_EQ(Read("tourn", "up_hill_.lst"), CrLf({"1", "good.tie", " ", " ", "Missions:", "G"}));

  test::MakePack(FTemp.Path() / "short.ixo",
                 {{"short.mcl", test::BattlePackScript()}, {"d1.tie", "1"}});
  const TPackFiles missing = Extract(FTemp.Path() / "short.ixo", mtCombat);
  EXPECT_NE(missing.Error().find("\"d2.tie\" (it is not in the pack), \"d3.tie\""),
            std::string::npos)
      << missing.Error();
  EXPECT_FALSE(missing.Ok());
  EXPECT_FALSE(fs::exists(FTemp.Path() / "game" / "combat" / "d1.tie"));
}

TEST_F(PackInstall, APackNeverReplacesAListOrABattleFile) {
#ifdef _WIN32
  GTEST_SKIP() << "its pack is made with zip from two files spelled alike, which Windows lacks";
#endif
  const fs::path game = FTemp.Path() / "game";
  test::WriteBytes(game / "battle" / "mission.lst",
                   CrLf({"//", "[Old]", "//", "0", "skyfall1.lst", "Old Battle"}));
  test::WriteBytes(game / "battle" / "skyfall1.lst", CrLf({"1", "old.tie", "a", "b"}));
  test::WriteBytes(game / "combat" / "mission.lst", CrLf({"//", "[Kept]", "//"}));
  const std::string list = ReadBytes(game / "combat" / "mission.lst");
  // Two scripts spelled alike: the first in the archive is the script.
  const fs::path files = FTemp.Path() / "files";
  fs::create_directory(files);
  test::WriteBytes(files / "sky.mcl", CrLf({"Series=War]s",
                                            "Collection",
                                            "SkyFall1.lst",
                                            "A]1",
                                            "A",
                                            "A",
                                            "",
                                            "Missions",
                                            "MISSION.LST",
                                            "M",
                                            "M",
                                            "M",
                                            "s1.tie",
                                            "S",
                                            "S",
                                            "S",
                                            "",
                                            "Collection",
                                            "skyfall1.lst",
                                            "B",
                                            "B",
                                            "B",
                                            "",
                                            "Missions",
                                            "s1.tie",
                                            "S",
                                            "S",
                                            "S",
                                            ""}));
  test::WriteBytes(files / "Sky.MCL", CrLf({"Collection", "", "Wrong", "", "", ""}));
  test::WriteBytes(files / "s1.tie", test::Mission("s"));
  ASSERT_EQ(
      test::RunCommand("cd " + files.string() + " && zip -q ../sky.ixo sky.mcl Sky.MCL s1.tie")
          .ExitCode,
      0);
  const TOutcome<> pack = test::InSession(FGame, [&](TSession& session) {
    return InstallPack(session, FZip, test::ListPack(FZip, FTemp.Path() / "sky.ixo"), mtBattles,
                       gnNeutral, TNonMissions::Install);
  });
  ASSERT_EQ(pack.Error(), "");
  // Each note once; "]" is mended only where the title becomes a header.
  ASSERT_EQ(pack.Notes.size(), 5u);
  EXPECT_NE(pack.Notes[0].Text().find("\"MISSION.LST\""), std::string::npos);
  EXPECT_NE(pack.Notes[1].Text().find("\"skyfall1_2.lst\""), std::string::npos)
      << pack.Notes[1].Text();
  EXPECT_NE(pack.Notes[2].Text().find("\"skyfall1_3.lst\""), std::string::npos)
      << pack.Notes[2].Text();
  EXPECT_NE(pack.Notes[3].Text().find("\"War]s\""), std::string::npos) << pack.Notes[3].Text();
  EXPECT_NE(pack.Notes[4].Text().find("\"A]1\""), std::string::npos) << pack.Notes[4].Text();
  EXPECT_EQ(ReadBytes(game / "battle" / "skyfall1.lst"), CrLf({"1", "old.tie", "a", "b"}));
  EXPECT_EQ(ReadBytes(game / "battle" / "mission.lst"),
            CrLf({"//", "[Old]", "//", "0", "skyfall1.lst", "Old Battle", "//", "[War s]", "//",
                  "1", "skyfall1_2.lst", "A]1", "2", "skyfall1_3.lst", "B"}));
  EXPECT_EQ(ReadBytes(game / "battle" / "skyfall1_3.lst"), CrLf({"1", "s1.tie", " ", " "}));
  EXPECT_EQ(ReadBytes(game / "combat" / "mission.lst").substr(0, list.size()), list);
  EXPECT_NE(ReadBytes(game / "combat" / "mission.lst").find("[A 1]"), std::string::npos);
}

TEST_F(PackInstall, HostileArchivesChangeNothingOutsideTheGame) {
  const auto before = test::ListDirectory(FTemp.Path());
  test::WriteBytes(FTemp.Path() / "noise.ixo", std::string(3000, 'Z'));
  EXPECT_EQ(Extract(FTemp.Path() / "noise.ixo", mtCombat).Error(), NoInstallScriptMessage);

  test::MakePack(FTemp.Path() / "whole.ixo", {{"w.mcl", test::BattlePackScript()},
                                              {"d1.tie", std::string(90000, 'd')},
                                              {"d2.tie", "2"},
                                              {"d3.tie", "3"}});
  const std::string whole = ReadBytes(FTemp.Path() / "whole.ixo");
  test::WriteBytes(FTemp.Path() / "truncated.ixo", whole.substr(0, whole.size() - 200));
  EXPECT_FALSE(Extract(FTemp.Path() / "truncated.ixo", mtCombat).Ok());
  EXPECT_EQ(test::ListDirectory(FTemp.Path() / "game" / "combat"), "");
  EXPECT_EQ(test::ListDirectory(FTemp.Path()), "game noise.ixo truncated.ixo whole.ixo");
  (void)before;
}

TEST_F(PackInstall, BuildingLeavesOutMissingMissionsAndReplacesOnlyWhenComplete) {
  test::WriteBytes(FTemp.Path() / "game" / "combat" / "mission.lst",
                   CrLf({"//", "[Deep Space]", "//", "0", "ds1.tie", "Convoy Strike", "1",
                         "ds2.tie", "Gone", "2", "ds3.tie", "Ambush"}));
  test::WriteBytes(FTemp.Path() / "game" / "combat" / "rebel.lst",
                   CrLf({"5", "DS1.TIE", "Convoy Strike R"}));
  for (const char* name : {"ds1.tie", "ds3.tie"})
    test::WriteBytes(FTemp.Path() / "game" / "combat" / name, name);
  EXPECT_EQ(LookUpMissionTitle(FGame, mtCombat, gnRebel, "ds1.tie"), "Convoy Strike R");
  EXPECT_EQ(LookUpMissionTitle(FGame, mtCombat, gnImperial, "ds1.tie"), "");
  TMissionTree tree(FGame, mtCombat, gnNeutral);
  tree.Load();
  const std::vector<TPackNode> nodes = tree.PackBranch(*tree.Roots().front());
  std::vector<std::string> leftOut;
  const std::vector<TPackageItem> items =
      CollectPackageItems(nodes, FGame, mtCombat, gnNeutral, leftOut);
  EXPECT_EQ(leftOut, std::vector<std::string>{"ds2.tie"});
  EXPECT_EQ(items, (std::vector<TPackageItem>{
                       {likCampaign, "", "Deep Space", "Deep Space", "Deep Space", ""},
                       {likEngagement, "ds1.tie", "Convoy Strike", "Convoy Strike R", "", ""},
                       {likEngagement, "ds3.tie", "Ambush", "", "", ""}}));

  test::WriteBytes(FTemp.Path() / "Deep.ixo", "old pack");
  FZip.UsePaths = false;
  fs::remove(FTemp.Path() / "game" / "combat" / "ds3.tie"); // gone since the entries were collected
  EXPECT_NE(BuildPack(FZip, FGame, mtCombat, items, (FTemp.Path() / "Deep.ixo").string())
                .Error()
                .find("ds3.tie"),
            std::string::npos);
  EXPECT_EQ(ReadBytes(FTemp.Path() / "Deep.ixo"), "old pack");
  test::WriteBytes(FTemp.Path() / "game" / "combat" / "ds3.tie", "ds3.tie");
  SetIoFaultPlan([](TIoStep step, const std::string& path) {
    return step == TIoStep::OpenForReading && path.ends_with("ds1.tie") ? test::AccessDenied : 0;
  });
  const std::string unreadable =
      BuildPack(FZip, FGame, mtCombat, items, (FTemp.Path() / "Deep.ixo").string()).Error();
  SetIoFaultPlan(nullptr);
  EXPECT_NE(unreadable.find("ds1.tie\" cannot be read: File access denied"), std::string::npos)
      << unreadable;
  EXPECT_EQ(ReadBytes(FTemp.Path() / "Deep.ixo"), "old pack");
  SetIoFaultPlan([](TIoStep step, const std::string& path) {
    return step == TIoStep::Write && path.find(".flightdeck-pack-") != std::string::npos
               ? test::DiskFull
               : 0;
  });
  const std::string full =
      BuildPack(FZip, FGame, mtCombat, items, (FTemp.Path() / "Deep.ixo").string()).Error();
  SetIoFaultPlan(nullptr);
  EXPECT_NE(full.find("could not be written: Disk full"), std::string::npos) << full;
  EXPECT_EQ(ReadBytes(FTemp.Path() / "Deep.ixo"), "old pack");
  EXPECT_EQ(test::ListDirectory(FTemp.Path()), "Deep.ixo game"); // no partial archive left
  EXPECT_TRUE(BuildPack(FZip, FGame, mtCombat, items, (FTemp.Path() / "Deep.ixo").string()));
  std::vector<std::string> listing;
  FZip.OnListing = [&](TZipArchiver&, const TZipFileStats& stats) {
    listing.push_back(stats.FileName);
  };
  FZip.ZipFileName = (FTemp.Path() / "Deep.ixo").string();
  FZip.ListFiles();
  EXPECT_EQ(listing, (std::vector<std::string>{"deep.mcl", "ds1.tie", "ds3.tie"}));
  EXPECT_EQ(test::ListDirectory(FTemp.Path()), "Deep.ixo game");

  // What no install would take is refused before anything is written.
  const std::vector<TPackageItem> many(MaxPackMissions + 1, items.back());
  const std::vector<TPackageItem> wordy(
      1100, {likEngagement, "ds1.tie", std::string(1000, 'T'), "", "", ""});
  const std::vector<TPackageItem> described = {
      {likBattle, "b1.tie", "Dawn", "", "", std::string(600, 'D') + "|" + std::string(600, 'E')}};
  for (const auto& [refused, why] :
       {std::pair{many, "more than 50000 missions, the most a pack may hold"},
        std::pair{wordy, "larger than 1 MiB, the most an installation script may be"},
        std::pair{described, "longer than 1 KiB, the most a line may be"}}) {
    const std::string error =
        BuildPack(FZip, FGame, mtCombat, refused, (FTemp.Path() / "New.ixo").string()).Error();
    EXPECT_NE(error.find(why), std::string::npos) << error;
    EXPECT_EQ(test::ListDirectory(FTemp.Path()), "Deep.ixo game");
  }
}

} // namespace
} // namespace flightdeck
