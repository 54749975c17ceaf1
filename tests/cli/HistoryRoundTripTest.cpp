#include "cli/CliRun.h"
#include "support/PackFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <map>
#include <random>
#include <set>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

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
                          {"patrol1.tie", "patrol, new"},
                          {"relay1.tie", "relay, new"},
                          {"d3.tie", "dusk"}});
    test::WriteBytes(Mission, "raid");
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

// A Battles list of many battles, each file without its last line end, so that a resave
// changes every one of them.
TEST(HistoryRoundTrip, KilledSavesLeaveTheOldFilesOrTheNewOnes) {
  // In memory where there is a memory file system: thousands of files are written each round.
  test::TTempDir temp(fs::is_directory("/dev/shm") ? fs::path("/dev/shm")
                                                   : fs::temp_directory_path());
  const char* data = std::getenv("XDG_DATA_HOME");
  const std::string dataBefore = data ? data : "";
  setenv("XDG_DATA_HOME", (temp.Path() / "data").c_str(), 1); // the history beside the game
  const std::string game = test::MakeGameDirectory(temp.Path() / "game");
  const fs::path battle = temp.Path() / "game" / "battle";
  std::string list = "//\r\n[War]\r\n//";
  constexpr int Battles = 2000;
  for (int i = 0; i < Battles; ++i) {
    list += "\r\n" + std::to_string(i) + "\r\nb" + std::to_string(i) + ".lst\r\nBattle";
    test::WriteBytes(battle / ("b" + std::to_string(i) + ".lst"), "1\r\nm.tie\r\nx\r\ny");
  }
  test::WriteBytes(battle / "mission.lst", list);
  const auto oldFiles = Files(battle);
  ASSERT_EQ(RunCli("resave " + game + " battles neutral").ExitCode, 0);
  const auto newFiles = Files(battle);
  ASSERT_NE(newFiles, oldFiles);
  ASSERT_EQ(RunCli("undo " + game).ExitCode, 0);

  const char* argv[] = {FLIGHTDECK_CLI, "resave", game.c_str(), "battles", "neutral", nullptr};
  std::mt19937 random(7);
  auto started = std::chrono::steady_clock::now();
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, FLIGHTDECK_CLI, nullptr, nullptr, const_cast<char**>(argv), environ),
            0);
  waitpid(pid, nullptr, 0);
  const auto whole = std::chrono::steady_clock::now() - started;
  ASSERT_EQ(RunCli("undo " + game).ExitCode, 0);
  // The kills close in on the end of a save, where its files are put in place: a save cut
  // short kills later next time, a finished one earlier.
  auto reach = whole;
  int olds = 0, news = 0;
  for (int kill = 0; kill < 100; ++kill) {
    ASSERT_EQ(
        posix_spawn(&pid, FLIGHTDECK_CLI, nullptr, nullptr, const_cast<char**>(argv), environ), 0);
    std::this_thread::sleep_for(reach * std::uniform_real_distribution<>(0.5, 1.0)(random));
    ::kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    // The next command that changes the game, here an undo of no entry, rolls back first.
    ASSERT_EQ(RunCli("undo " + game + " 99999").ExitCode, 1);
    auto files = Files(battle);
    std::erase_if(files, [](const auto& file) { return file.first.starts_with(".flightdeck-"); });
    ASSERT_TRUE(files == oldFiles || files == newFiles) << "kill " << kill;
    if (files == newFiles) {
      ++news;
      reach = reach * 9 / 10;
      ASSERT_EQ(RunCli("undo " + game).ExitCode, 0);
    } else {
      ++olds;
      reach = reach * 11 / 10;
    }
  }
  EXPECT_GT(olds, 0);
  EXPECT_GT(news, 0);
  if (data)
    setenv("XDG_DATA_HOME", dataBefore.c_str(), 1);
  else
    unsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace flightdeck
