// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliRun.h"
#include "support/MissionWriter.h"
#include "support/PackFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <map>
#include <random>
#include <set>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace flightdeck {
namespace {

namespace fs = std::filesystem;
using test::RunCli;
using test::Snapshot;

const std::string DemoGame = std::string(FLIGHTDECK_SOURCE_DIR) + "/examples/demo-game";

// The demo game in a fresh folder, and a Battles pack beside it that replaces two of its
// mission files.
struct TDemo {
  test::TTempDir Temp;
  fs::path Game = Temp.Path() / "demo";
  std::string Pack = (Temp.Path() / "Dark.ixo").string();
  std::string Mission = (Temp.Path() / "Raid.TIE").string();

  TDemo() {
    fs::copy(DemoGame, Game, fs::copy_options::recursive);
    std::string script = test::BattlePackScript();
    script.replace(script.find("d1.tie"), 6, "patrol1.tie");
    script.replace(script.find("d2.tie"), 6, "relay1.tie");
    test::MakePack(Pack, {{"Dark.mcl", script},
                          {"patrol1.tie", test::Mission("patrol, new")},
                          {"relay1.tie", test::Mission("relay, new")},
                          {"d3.tie", test::Mission("dusk")}});
    test::WriteBytes(Mission, test::Mission("raid"));
  }
  std::string Run(const std::string& arguments) const {
    std::string line = arguments;
    for (const auto& [word, value] : {std::pair<std::string, std::string>{"GAME", Game.string()},
                                      {"PACK", Pack},
                                      {"MISSION", Mission}})
      if (const std::size_t at = line.find(word); at != std::string::npos)
        line.replace(at, word.size(), value);
    const test::TCommandResult run = RunCli(line);
    return std::to_string(run.ExitCode) + " " + run.Output;
  }
};

// Every file of a folder with its bytes, by path.
std::map<std::string, std::string> Files(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file())
      files[fs::relative(entry.path(), root).string()] = test::ReadBytes(entry.path());
  return files;
}

TEST(HistoryRoundTrip, EveryCommandIsUndoneAndRedoneByteForByte) {
  for (const char* command :
       {"install-pack GAME battles neutral PACK",
        "install-mission GAME combat neutral MISSION --under 'Outer Rim Patrol'",
        "remove GAME battles neutral 'The Broken Relay'",
        "rename GAME combat neutral 'Into the Nebula' 'Into the Storm'",
        "move GAME battles neutral 'Shadows over Kessra' --onto 'The Broken Relay'",
        "renumber GAME combat neutral 'Into the Nebula' 1 --swap"}) {
    const TDemo demo;
    const std::string before = Snapshot(demo.Game);
    EXPECT_EQ(demo.Run(command), "0 ") << command;
    const std::string after = Snapshot(demo.Game);
    EXPECT_NE(after, before) << command;
    EXPECT_EQ(demo.Run("undo GAME"), "0 ") << command;
    EXPECT_EQ(Snapshot(demo.Game), before) << command;
    EXPECT_EQ(demo.Run("redo GAME"), "0 ") << command;
    EXPECT_EQ(Snapshot(demo.Game), after) << command;
  }
}

TEST(HistoryRoundTrip, ThePlanOfAPackAndAnUndoRefusedUntilLaterChangesAreUndone) {
  const TDemo demo;
  const auto original = Files(demo.Game);
  const std::string plan = demo.Run("install-pack GAME battles neutral PACK --dry-run");
  EXPECT_EQ(Files(demo.Game), original);
  EXPECT_NE(plan.find("{\"action\":\"add-entry\",\"list\":\"battle/mission.lst\",\"kind\":\"War\","
                      "\"title\":\"Dark Times\"}"),
            std::string::npos)
      << plan;
  EXPECT_NE(plan.find("{\"action\":\"add-entry\",\"list\":\"combat/rebel.lst\",\"kind\":"
                      "\"Engagement\",\"title\":\"Dawn R\",\"file\":\"patrol1.tie\"}"),
            std::string::npos);
  EXPECT_NE(plan.find("{\"action\":\"add-file\",\"file\":\"combat/d3.tie\"}"), std::string::npos);

  EXPECT_EQ(demo.Run("install-pack GAME battles neutral PACK"), "0 ");
  // Its missions are the demo's again, listed twice now: warnings, no error.
  EXPECT_TRUE(demo.Run("check GAME").starts_with("0 "));
  const auto installed = Files(demo.Game);
  std::set<std::string> replaced, planned;
  for (const auto& [path, bytes] : original)
    if (installed.at(path) != bytes)
      replaced.insert("{\"action\":\"replace-file\",\"file\":\"" + path + "\"}");
  for (std::size_t at = 0;
       (at = plan.find("{\"action\":\"replace-file\"", at)) != std::string::npos;)
    planned.insert(plan.substr(at, plan.find('\n', at) - at)), at = plan.find('\n', at);
  EXPECT_EQ(planned, replaced);
  EXPECT_EQ(replaced.count("{\"action\":\"replace-file\",\"file\":\"combat/patrol1.tie\"}"), 1u);

  EXPECT_EQ(demo.Run("rename GAME battles neutral 'Into Darkness' 'Into the Dark'"), "0 ");
  const auto renamed = Files(demo.Game);
  const std::string refused = demo.Run("undo GAME 1");
  EXPECT_EQ(refused.substr(0, 2), "1 ");
  EXPECT_NE(refused.find("battle/mission.lst"), std::string::npos) << refused;
  EXPECT_EQ(Files(demo.Game), renamed);
  EXPECT_EQ(demo.Run("undo GAME 2"), "0 ");
  EXPECT_EQ(demo.Run("undo GAME 1"), "0 ");
  EXPECT_EQ(Files(demo.Game), original);
  const std::string history = demo.Run("history GAME");
  EXPECT_NE(history.find("\"command\":\"install-pack\",\"subject\":\"Dark.ixo\",\"files\":"),
            std::string::npos)
      << history;
  EXPECT_NE(history.find("\"id\":4,"), std::string::npos);
}

TEST(HistoryRoundTrip, AFileWrittenAsItWasIsNoPartOfTheCommand) {
  const TDemo demo;
  const auto original = Files(demo.Game);
  // Renaming a battle rewrites its battle files and the Combat list exactly as they were.
  EXPECT_EQ(demo.Run("rename GAME battles neutral 'The Broken Relay' 'The Lost Relay'"), "0 ");
  const std::string history = demo.Run("history GAME");
  EXPECT_NE(history.find("\"subject\":\"The Broken Relay\",\"files\":1,"), std::string::npos)
      << history;
  EXPECT_EQ(demo.Run("rename GAME combat neutral 'Into the Nebula' 'Into the Storm'"), "0 ");
  EXPECT_EQ(demo.Run("undo GAME 1"), "0 ");
  EXPECT_EQ(demo.Run("undo GAME 2"), "0 ");
  EXPECT_EQ(Files(demo.Game), original);
}

// Runs flightdeck-cli with `arguments` and kills it, 100 times, at moments that close in on
// where its files are put in place: a run cut short kills later next time, a finished one
// earlier. `before` and `after` are the game without and with the run; `back` returns a
// finished run's game to `before`. After each kill the game is one or the other, a command
// that only reads answers at once and writes nothing, and the next command that changes the
// game rolls back what was cut short without setting anything aside.
void KillRepeatedly(const std::vector<std::string>& arguments, const fs::path& game,
                    const std::map<std::string, std::string>& before,
                    const std::map<std::string, std::string>& after, const std::string& back) {
  std::vector<char*> argv{const_cast<char*>(FLIGHTDECK_CLI)};
  for (const std::string& argument : arguments)
    argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const auto spawn = [&] {
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, FLIGHTDECK_CLI, nullptr, nullptr, argv.data(), environ), 0);
    return pid;
  };
  const auto files = [&] {
    auto now = Files(game);
    std::erase_if(
        now, [](const auto& file) { return file.first.find(".flightdeck-") != std::string::npos; });
    return now;
  };
  auto started = std::chrono::steady_clock::now();
  waitpid(spawn(), nullptr, 0);
  auto reach = std::chrono::steady_clock::now() - started;
  ASSERT_EQ(RunCli(back).ExitCode, 0);
  std::mt19937 random(7);
  int befores = 0, afters = 0, pendings = 0;
  for (int kill = 0; kill < 100; ++kill) {
    const pid_t pid = spawn();
    std::this_thread::sleep_for(reach * std::uniform_real_distribution<>(0.5, 1.0)(random));
    ::kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    const auto killed = files();
    const test::TCommandResult history = RunCli("history " + game.string());
    ASSERT_EQ(history.ExitCode, 0) << history.Output;
    ASSERT_EQ(files(), killed);
    if (history.Output.find("\"pending\":true") != std::string::npos) {
      ++pendings;
      ASSERT_NE(history.Output.find("the next command that changes the game rolls it back"),
                std::string::npos);
    }
    const test::TCommandResult next = RunCli("undo " + game.string() + " 99999");
    ASSERT_EQ(next.Output, "flightdeck-cli: The history has no entry 99999.\n") << "kill " << kill;
    const auto now = files();
    ASSERT_TRUE(now == before || now == after) << "kill " << kill;
    if (now == after) {
      ++afters;
      reach = reach * 9 / 10;
      ASSERT_EQ(RunCli(back).ExitCode, 0);
    } else {
      ++befores;
      reach = reach * 11 / 10;
    }
  }
  EXPECT_GT(befores, 0);
  EXPECT_GT(afters, 0);
  EXPECT_GT(pendings, 0);
}

// A Battles list of many battles, each file without its last line end, so that a resave
// changes every one of them; a pack into it; and the undo of the resave.
TEST(HistoryRoundTrip, TheCommandLineKeepsTheHistoryToTheSizeTheWindowsSettingsSet) {
  // A portable copy keeps the window's settings beside it, the limit of the history among them.
  for (const bool limited : {false, true}) {
    const TDemo demo;
    const fs::path portable = demo.Temp.Path() / "portable";
    fs::create_directories(portable);
    fs::copy_file(FLIGHTDECK_CLI, portable / "flightdeck-cli");
    if (limited)
      test::WriteBytes(portable / "flightdeck.ini", "[IxoKit]\r\nHistoryLimitMiB=1\r\n");
    test::WriteBytes(demo.Game / "combat" / "patrol1.tie", std::string(3 << 19, 'o'));
    test::TMissionShape large; // 1.5 MiB
    large.BriefingTextLength = 3000;
    test::WriteBytes(demo.Mission, test::MakeMission(large));
    const std::string cli = "'" + (portable / "flightdeck-cli").string() + "' ";
    const std::string game = "'" + demo.Game.string() + "' ";
    // The install keeps the old 1.5 MiB mission it replaces; the rename after it pushes it out.
    const fs::path raid = demo.Temp.Path() / "patrol1.tie";
    fs::rename(demo.Mission, raid);
    for (const std::string& command :
         {"install-mission " + game + "combat neutral '" + raid.string() +
              "' --under 'Outer Rim Patrol'",
          "rename " + game + "combat neutral 'Convoy Escort' 'Convoy Guard'"})
      ASSERT_EQ(test::RunCommand(cli + command).ExitCode, 0) << command;
    const std::string history = test::RunCommand(cli + "history " + game).Output;
    EXPECT_EQ(std::count(history.begin(), history.end(), '\n'), limited ? 1 : 2) << history;
  }
}

TEST(HistoryRoundTrip, KilledCommandsLeaveTheOldFilesOrTheNewOnesAndBlockNothing) {
  // In memory where there is a memory file system: thousands of files are written each round.
  test::TTempDir temp(fs::is_directory("/dev/shm") ? fs::path("/dev/shm")
                                                   : fs::temp_directory_path());
  const char* data = std::getenv("XDG_DATA_HOME");
  const std::string dataBefore = data ? data : "";
  setenv("XDG_DATA_HOME", (temp.Path() / "data").c_str(), 1); // the history beside the game
  const std::string game = test::MakeGameDirectory(temp.Path() / "game");
  const fs::path root = temp.Path() / "game";
  const fs::path battle = root / "battle";
  std::string list = "//\r\n[War]\r\n//";
  constexpr int Battles = 400;
  for (int i = 0; i < Battles; ++i) {
    list += "\r\n" + std::to_string(i) + "\r\nb" + std::to_string(i) + ".lst\r\nBattle";
    test::WriteBytes(battle / ("b" + std::to_string(i) + ".lst"), "1\r\nm.tie\r\nx\r\ny");
  }
  test::WriteBytes(battle / "mission.lst", list);
  const std::string pack = (temp.Path() / "Dark.ixo").string();
  test::MakePack(pack, {{"Dark.mcl", test::BattlePackScript()},
                        {"d1.tie", test::Mission("dawn")},
                        {"d2.tie", test::Mission("noon")},
                        {"d3.tie", test::Mission("dusk")}});

  const auto old = Files(root);
  ASSERT_EQ(RunCli("resave " + game + " battles neutral").ExitCode, 0);
  const auto resaved = Files(root);
  ASSERT_NE(resaved, old);
  ASSERT_EQ(RunCli("undo " + game).ExitCode, 0);
  ASSERT_EQ(RunCli("install-pack " + game + " battles neutral " + pack).ExitCode, 0);
  const auto installed = Files(root);
  ASSERT_EQ(RunCli("undo " + game).ExitCode, 0);
  ASSERT_EQ(Files(root), old);

  KillRepeatedly({"resave", game, "battles", "neutral"}, root, old, resaved, "undo " + game);
  KillRepeatedly({"install-pack", game, "battles", "neutral", pack}, root, old, installed,
                 "undo " + game);
  ASSERT_EQ(RunCli("resave " + game + " battles neutral").ExitCode, 0);
  KillRepeatedly({"undo", game}, root, resaved, old, "redo " + game);
  if (data)
    setenv("XDG_DATA_HOME", dataBefore.c_str(), 1);
  else
    unsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace flightdeck
