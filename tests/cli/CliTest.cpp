// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliRun.h"
#include "support/Command.h"
#include "support/MissionWriter.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

namespace fs = std::filesystem;
using test::RunCli;

using TRun = test::TCommandResult;

const std::string DemoGame = std::string(FLIGHTDECK_SOURCE_DIR) + "/examples/demo-game";

TEST(Cli, DumpsOneJsonObjectPerRecord) {
  const TRun run = RunCli(DemoGame + " dump");
  EXPECT_EQ(run.ExitCode, 2);

  const TRun tournaments = RunCli("dump " + DemoGame + "/ tournaments neutral");
  EXPECT_EQ(tournaments.ExitCode, 0);
  EXPECT_EQ(tournaments.Output,
            "{\"kind\":\"Tournament Series\",\"number\":0,\"file\":\"\",\"title\":\"Spring "
            "Series\",\"description\":[\"\",\"\"]}\n"
            "{\"kind\":\"Tournament\",\"number\":3,\"file\":\"cup1.lst\",\"title\":\"Rookie "
            "Cup\",\"description\":[\"Two heats of dogfights.\",\" \"]}\n"
            "{\"kind\":\"Contest\",\"number\":0,\"file\":\"duel1.tie\",\"title\":\"First "
            "Heat\",\"description\":[\"\",\"\"]}\n"
            "{\"kind\":\"Contest\",\"number\":0,\"file\":\"duel2.tie\",\"title\":\"Final "
            "Heat\",\"description\":[\"\",\"\"]}\n");
  const TRun tree = RunCli("tree " + DemoGame + " battles neutral");
  EXPECT_EQ(tree.ExitCode, 0);
  EXPECT_EQ(tree.Output.substr(0, tree.Output.find('\n', 60) + 1),
            "{\"level\":0,\"kind\":\"War\",\"label\":\"Skyfall Offensive\"}\n"
            "{\"level\":1,\"kind\":\"Battle\",\"label\":\"The Broken Relay\"}\n");
  const TRun missing = RunCli("dump " + DemoGame + " melee rebel");
  EXPECT_EQ(missing.ExitCode, 0);
  EXPECT_EQ(missing.Output, "");
}

// A list that cannot be read, a folder in its place, one larger than any real list or with a
// line longer than any real one: the
// readers fail with a message that names it and the check finds an unreadable list.
TEST(Cli, AListThatCannotBeReadIsAFailureWithItsReason) {
  test::TTempDir temp;
  const std::string game = test::MakeGameDirectory(temp.Path() / "Game");
  const fs::path combat = temp.Path() / "Game" / "combat";
  fs::create_directory(combat / "mission.lst");
  test::WriteBytes(combat / "rebel.lst", "");
  fs::resize_file(combat / "rebel.lst", (64u << 20) + 1);
  test::WriteBytes(combat / "imperial.lst", "//\r\n[" + std::string(2000, 'T') + "]\r\n//\r\n");
  const struct {
    const char* Side;
    std::string Reason;
  } cases[] = {
      {"neutral", "Is a folder, not a file: \"" + (combat / "mission.lst").string() + "\""},
      {"rebel", "File too large: \"" + (combat / "rebel.lst").string() +
                    "\" holds more than 64 MiB, the most this program reads of it"},
      {"imperial", "The list \"" + (combat / "imperial.lst").string() +
                       "\" cannot be read: a line is longer than 1 KiB, the most a line may be "
                       "(in it, or in a battle file it names)"}};
  for (const auto& list : cases) {
    for (const char* reader : {"dump", "tree"}) {
      const TRun run = RunCli(std::string(reader) + " " + game + " combat " + list.Side);
      EXPECT_EQ(run.ExitCode, 1) << reader;
      EXPECT_EQ(run.Output, "flightdeck-cli: " + list.Reason + "\n");
    }
    const TRun check = RunCli("check " + game + " combat " + list.Side);
    EXPECT_EQ(check.ExitCode, 1);
    EXPECT_NE(check.Output.find("\"problem\":\"unreadable-list\""), std::string::npos)
        << check.Output;
  }
}

// A list is never written past what it can be read at: a line over 1 KiB, or a list over
// 64 MiB, is refused like a read, and nothing changes.
TEST(Cli, AWriteThatWouldPassABoundOfAListIsRefused) {
  test::TTempDir temp;
  const std::string game = test::MakeGameDirectory(temp.Path() / "Game");
  const fs::path combat = temp.Path() / "Game" / "combat";
  // Written and compared by other programs, so that this one holds none of it.
  const std::string inCombat = "cd '" + combat.string() + "' && ";
  ASSERT_EQ(test::RunCommand(inCombat + "python3 -c \"g = b'//\\r\\n[G]\\r\\n//\\r\\n'\n"
                                        "full = g * ((64 << 20) // len(g))\n"
                                        "open('imperial.lst', 'wb').write(full)\n"
                                        "open('mission.lst', 'wb').write(full + g)\n"
                                        "open('rebel.lst', 'wb').write(g)\"")
                .ExitCode,
            0);
  const std::string lineBound = "a line would be longer than 1 KiB, the most a line may be";
  const std::string listBound = "it would hold more than 64 MiB, the most this program reads of it";
  const struct {
    std::string Arguments;
    std::string List, Reason;
  } cases[] = {
      {"rename " + game + " combat rebel G " + std::string(1025, 'T'), "rebel", lineBound},
      {"add-group " + game + " combat rebel " + std::string(1030, 'T'), "rebel", lineBound},
      {"add-group " + game + " combat imperial More", "imperial", listBound},
  };
  const std::string before = test::RunCommand(inCombat + "cksum *").Output;
  for (const auto& each : cases) {
    const TRun run = RunCli(each.Arguments);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Output, "flightdeck-cli: The list \"" + (combat / each.List).string() +
                              ".lst\" cannot be written: " + each.Reason +
                              ". Nothing was changed.\n");
  }
  const TRun resave = RunCli("resave " + game + " combat neutral");
  EXPECT_EQ(resave.ExitCode, 1);
  EXPECT_NE(resave.Output.find("holds more than 64 MiB"), std::string::npos) << resave.Output;
  EXPECT_EQ(test::RunCommand(inCombat + "cksum *").Output, before);
}

// The command line follows the conventions of git, ripgrep and jq: a mistake is named in one
// line with a pointer to the help, "--" ends the options, COMMAND --help is that command's
// usage, and output that cannot be written fails the command.
TEST(Cli, FollowsTheCommandLineConventions) {
  test::TTempDir temp;
  fs::copy(DemoGame, temp.Path() / "Demo", fs::copy_options::recursive);
  const std::string game = (temp.Path() / "Demo").string();
  fs::create_directory(temp.Path() / "Downloads");
  const std::string folder = (temp.Path() / "Downloads").string();
  const std::string pointer = "\nTry 'flightdeck-cli --help' for more information.\n";
  const std::string usage = "flightdeck-cli: usage: flightdeck-cli dump GAMEDIR CATEGORY SIDE";
  const struct {
    std::string Arguments;
    int ExitCode;
    std::string Output; // the whole output, or with "..." at its end, how it begins
  } cases[] = {
      {"", 2, "flightdeck-cli: no command given" + pointer},
      {"dmp", 2, "flightdeck-cli: unknown command 'dmp'; did you mean 'dump'?" + pointer},
      {"list x combat neutral", 2, "flightdeck-cli: unknown command 'list'" + pointer},
      {"--frobnicate", 2, "flightdeck-cli: unknown option '--frobnicate'" + pointer},
      {"dump", 2, usage + pointer},
      {"dump x Combat neutral", 2,
       "flightdeck-cli: unknown category 'Combat'; did you mean 'combat'?" + pointer},
      {"dump x combat rebl", 2,
       "flightdeck-cli: unknown side 'rebl'; did you mean 'rebel'?" + pointer},
      {"dump x combat neutral extra", 2, usage + pointer},
      {"dump x combat neutral --swap", 2,
       "flightdeck-cli: unknown option '--swap' for 'dump'" + pointer},
      {"renumber x combat neutral a 1 --swap --swap", 2,
       "flightdeck-cli: the option '--swap' is given twice" + pointer},
      {"--completion tcsh", 2,
       "flightdeck-cli: --completion takes one of bash, zsh and fish" + pointer},
      {"check --help", 0, "usage: flightdeck-cli check GAMEDIR [CATEGORY [SIDE]]\n"},
      {"add-group x combat rebel -h", 0,
       "usage: flightdeck-cli add-group GAMEDIR CATEGORY SIDE TITLE\n"},
      {"--help", 0, "usage: flightdeck-cli dump GAMEDIR CATEGORY SIDE\n..."},
      {"dump " + DemoGame + "/combat combat neutral", 1,
       "flightdeck-cli: \"" + DemoGame + "/combat\" is not an X-wing vs. TIE Fighter game..."},
      {"dump -v combat neutral", 2, "flightdeck-cli: unknown option '-v' for 'dump'" + pointer},
      {"install-pack x combat neutral p.ixo --dry-run=yes", 2,
       "flightdeck-cli: the option '--dry-run' takes no value" + pointer},
      {"rename " + game + " combat rebel Escort '--path=Outer Rim Patrol/Convoy Escort (Rebel)'", 0,
       ""},
      {"pack-info - < " + game + "/combat/mission.lst", 1,
       "flightdeck-cli: \"standard input\" is not a zip archive or is damaged: Not a zip "
       "archive\n"},
      {"add-group " + game + " combat rebel -- '--- Extras ---'", 0, ""},
      {"tree " + game + " combat rebel", 0, "...\"label\":\"--- Extras ---\"}\n"},
      {"pack-info " + folder, 1, "flightdeck-cli: \"" + folder + "\" is a folder, not a pack\n"},
      {"install-pack " + game + " combat rebel " + folder, 1,
       "flightdeck-cli: \"" + folder + "\" is a folder, not a pack\n"},
      {"build-pack " + game + " combat rebel 'Outer Rim Patrol' " + folder, 1,
       "flightdeck-cli: \"" + folder + "\" is a folder, not a pack\n"},
      {"build-pack " + game + " combat rebel 'Outer Rim Patrol' " + folder + "/rebel", 0, ""},
      {"pack-info - < " + folder + "/rebel.ixo", 0, "{\"entry\":\"rebel.mcl\"}\n..."},
      {"build-pack " + game + " combat rebel --path='Outer Rim Patrol' " + folder + "/path", 0, ""},
      {"build-pack " + game + " combat rebel --path='Outer Rim Patrol/Into the Nebula (Rebel)' " +
           folder + "/none",
       1,
       "flightdeck-cli: the list has no group, battle or tournament with missions labelled \"Outer "
       "Rim Patrol/Into the Nebula (Rebel)\"\n"},
      {"pack-info " + folder + "/path.ixo", 0, "{\"entry\":\"path.mcl\"}\n..."},
      {"pack-info - < " + folder, 1,
       "flightdeck-cli: Is a folder, not a file: \"standard input\"\n"},
      // An installed pack is a unit: listed, refused a second time, taken out.
      {"install-pack " + game + " combat rebel " + folder + "/rebel.ixo", 0, ""},
      {"install-pack " + game + " combat rebel " + folder + "/rebel.ixo", 1,
       "flightdeck-cli: the pack was not installed: it is another copy or version of the "
       "installed rebel.ixo (3); --replace takes that one out..."},
      {"install-pack " + game + " combat rebel " + folder + "/rebel.ixo --replace --again", 2,
       "flightdeck-cli: --replace and --again exclude each other\n"},
      {"packs " + game, 0, "{\"id\":3,\"pack\":\"rebel.ixo\",\"installed\":..."},
      {"remove-pack " + game + " x", 2, "flightdeck-cli: \"x\" is not the number of an entry\n"},
      {"remove-pack " + game + " 1", 1,
       "flightdeck-cli: Entry 1 of the history is not the install of a pack.\n"},
      {"remove-pack " + game + " 3 --dry-run", 0,
       "{\"action\":\"remove-entry\",\"list\":\"combat/mission.lst\",\"kind\":\"Campaign\"..."},
      {"remove-pack " + game + " 3", 0, ""},
      {"packs " + game, 0, "...\"missions\":0,\"state\":\"removed\"}\n"},
      {"dump " + game + " combat rebel > /dev/full", 1,
       "flightdeck-cli: the output could not be written: No space left on device\n"},
      {"--help > /dev/full", 1,
       "flightdeck-cli: the output could not be written: No space left on device\n"},
      {"tree " + game + " combat rebel | true", 0, ""}, // a pipe closed early: quiet
  };
  for (const auto& each : cases) {
    // In braces, a redirection of the output leaves the messages to be read.
    const TRun run =
        test::RunCommand("{ " + std::string(FLIGHTDECK_CLI) + " " + each.Arguments + "; }");
    EXPECT_EQ(run.ExitCode, each.ExitCode) << each.Arguments << "\n" << run.Output;
    if (each.Output.ends_with("..."))
      EXPECT_TRUE(run.Output.starts_with(each.Output.substr(0, each.Output.size() - 3)))
          << each.Arguments << "\n"
          << run.Output;
    else if (each.Output.starts_with("..."))
      EXPECT_TRUE(run.Output.ends_with(each.Output.substr(3))) << each.Arguments << "\n"
                                                               << run.Output;
    else
      EXPECT_EQ(run.Output, each.Output) << each.Arguments;
  }
  // A temporary folder that cannot be made is a failure in words, never an abort.
  const std::string pack = folder + "/rebel.ixo";
  for (const std::string& tmp : {std::string("/nonexistent"), pack})
    for (const std::string& command :
         {"pack-info " + pack, "install-pack " + game + " melee rebel " + pack,
          "build-pack " + game + " combat rebel 'Outer Rim Patrol' " + folder + "/again.ixo"}) {
      const TRun run = test::RunCommand("TMPDIR=" + tmp + " " + FLIGHTDECK_CLI + " " + command);
      EXPECT_EQ(run.ExitCode, 1) << command;
      EXPECT_EQ(run.Output,
                "flightdeck-cli: No temporary folder can be made in \"" + tmp + "/\": " +
                    (tmp == pack ? "Not a directory" : "No such file or directory") + ".\n")
          << command;
    }
  EXPECT_EQ(test::ListDirectory(temp.Path()), "Demo Downloads");
}

TEST(Cli, ResaveKeepsTheDemoGameByteForByteAndReportsFailures) {
  test::TTempDir temp;
  fs::copy(DemoGame, temp.Path() / "Demo", fs::copy_options::recursive);
  const std::string game = (temp.Path() / "DEMO").string();
  for (const char* list :
       {"battles neutral", "combat neutral", "combat rebel", "combat imperial", "melee neutral",
        "tournaments neutral", "training neutral", "training rebel", "training imperial"}) {
    const TRun run = RunCli("resave " + game + " " + list);
    EXPECT_EQ(run.ExitCode, 0) << list << ": " << run.Output;
  }
  for (const auto& entry : fs::recursive_directory_iterator(DemoGame)) {
    if (!entry.is_regular_file())
      continue;
    const fs::path copy = temp.Path() / "Demo" / fs::relative(entry.path(), DemoGame);
    EXPECT_EQ(test::ReadBytes(copy), test::ReadBytes(entry.path())) << copy;
  }
  EXPECT_EQ(test::ListDirectory(temp.Path() / "Demo" / "battle"),
            "mission.lst skyfall1.lst skyfall2.lst");

  // A folder where the tournament's battle file belongs cannot be replaced by a file.
  const fs::path tourn = temp.Path() / "Demo" / "tourn";
  fs::remove(tourn / "cup1.lst");
  fs::create_directory(tourn / "cup1.lst");
  const TRun failed = RunCli("resave " + game + " tournaments neutral");
  EXPECT_EQ(failed.ExitCode, 1);
  EXPECT_EQ(failed.Output, "flightdeck-cli: Is a folder, not a file: \"" +
                               (tourn / "cup1.lst").generic_string() + "\"\n");
  EXPECT_EQ(test::ReadBytes(tourn / "mission.lst"),
            test::ReadBytes(fs::path(DemoGame) / "tourn" / "mission.lst"));
}

TEST(Cli, InstallMissionAddsTheEntryAsTheWindowDoes) {
  test::TTempDir temp;
  fs::copy(DemoGame, temp.Path() / "demo", fs::copy_options::recursive);
  test::WriteBytes(temp.Path() / "Arena3.TIE", test::Mission("mission"));
  const std::string game = (temp.Path() / "demo").string();
  const std::string mission = (temp.Path() / "Arena3.TIE").string();

  const TRun missing =
      RunCli("install-mission " + game + " melee neutral " + mission + " --under Nowhere");
  EXPECT_EQ(missing.ExitCode, 1);
  EXPECT_EQ(missing.Output, "flightdeck-cli: the list has no Campaign labelled \"Nowhere\"\n");
  EXPECT_EQ(RunCli("install-mission " + game + " melee neutral " + mission).ExitCode, 2);
  const TRun broken = RunCli("install-mission " + game + " melee neutral " + mission +
                             " --under 'Arena Nights' --title \"$(printf 'two\\rlines')\"");
  EXPECT_EQ(broken.ExitCode, 2);
  EXPECT_NE(broken.Output.find("line break"), std::string::npos) << broken.Output;

  const TRun run =
      RunCli("install-mission " + game + " melee neutral " + mission + " --under 'Arena Nights'");
  EXPECT_EQ(run.ExitCode, 0) << run.Output;
  EXPECT_EQ(test::ReadBytes(temp.Path() / "demo" / "melee" / "mission.lst"),
            test::CrLf({"//", "[Arena Nights]", "//", "0", "arena1.tie", "Asteroid Scramble", "1",
                        "arena2.tie", "Ring of Fire", "2", "arena3.tie", "Arena3"}));
  const TRun titled = RunCli("install-mission " + game + " training rebel " + mission +
                             " --under 'Flight School' --title 'Night Flight'");
  EXPECT_EQ(titled.ExitCode, 0) << titled.Output;
  EXPECT_NE(test::ReadBytes(temp.Path() / "demo" / "train" / "rebel.lst")
                .find("2\r\narena3.tie\r\nNight Flight\r\n"),
            std::string::npos);
  // A name outside ASCII titles the entry as the lists spell it, in Windows-1252.
  test::WriteBytes(temp.Path() / "Zo\xC3\xAB.tie", test::Mission("mission"));
  EXPECT_EQ(RunCli("install-mission " + game + " melee neutral " +
                   (temp.Path() / "Zo\xC3\xAB.tie").string() + " --under 'Arena Nights'")
                .ExitCode,
            0);
  EXPECT_NE(test::ReadBytes(temp.Path() / "demo" / "melee" / "mission.lst")
                .find("zo\xEB.tie\r\nZo\xEB\r\n"),
            std::string::npos);

  // A file that is no mission of this game goes in only when forced; one of the expansion, or
  // with bytes after its end, with a word on it.
  test::TMissionShape expansion;
  expansion.Platform = 14;
  const std::string junk = (temp.Path() / "junk.tie").string();
  for (const auto& [file, bytes, force, exitCode, said] :
       std::vector<std::tuple<std::string, std::string, bool, int, std::string>>{
           {junk, "junk", false, 1,
            "is no mission of this game: not a mission file (--force installs it all the same)"},
           {junk, "junk", true, 0, "is no mission of this game: not a mission file; installed"},
           {(temp.Path() / "bop.tie").string(), test::MakeMission(expansion), false, 0,
            "a mission of the Balance of Power expansion"},
           {(temp.Path() / "long.tie").string(), test::Mission("long") + "xx", false, 0,
            "2 bytes too long, which the game ignores"}}) {
    test::WriteBytes(file, bytes);
    const TRun installed = RunCli("install-mission " + game + " melee neutral " + file +
                                  " --under 'Arena Nights'" + (force ? " --force" : ""));
    EXPECT_EQ(installed.ExitCode, exitCode) << installed.Output;
    EXPECT_NE(installed.Output.find(said), std::string::npos) << installed.Output;
  }
  EXPECT_NE(test::ReadBytes(temp.Path() / "demo" / "melee" / "mission.lst").find("junk.tie"),
            std::string::npos);
}

// The lines of `tree` output from the node labelled `label` to the end of its group.
std::string GroupLines(const std::string& tree, const std::string& label) {
  const std::size_t start = tree.find("\"label\":\"" + label + "\"");
  const std::size_t lineStart =
      tree.rfind('\n', start) == std::string::npos ? 0 : tree.rfind('\n', start) + 1;
  std::size_t end = tree.find("{\"level\":0", start);
  return tree.substr(lineStart, end == std::string::npos ? std::string::npos : end - lineStart);
}

TEST(Cli, TreeEditsThatCannotBeMadeChangeNothing) {
  test::TTempDir temp;
  fs::copy(DemoGame, temp.Path() / "demo", fs::copy_options::recursive);
  const std::string game = (temp.Path() / "demo").string() + " ";
  const std::string relay = DemoGame + "/combat/relay1.tie ";
  const std::string before = test::Snapshot(temp.Path());
  const struct {
    std::string Arguments;
    int ExitCode;
  } refusals[] = {
      {"move " + game + "battles neutral 'Silent Relay' --onto 'Skyfall Offensive'", 1},
      {"move " + game + "battles neutral 'Silent Relay'", 2},
      {"renumber " + game + "combat neutral 'Into the Nebula' 1", 1},
      {"renumber " + game + "combat neutral 'Outer Rim Patrol' 5", 1},
      {"renumber " + game + "combat neutral 'Into the Nebula' 12345", 2},
      {"rename " + game + "combat neutral Nowhere Somewhere", 1},
      {"rename " + game + "combat neutral 'Into the Nebula' \"$(printf 'two\\nlines')\"", 2},
      {"remove " + game + "combat neutral --path 'Skyfall Offensive/Into the Nebula'", 1},
      {"add-battle " + game + "battles neutral Rebel.TXT Rebels --under 'Silent Relay'", 1},
      {"add-battle " + game + "combat neutral new.lst New --under 'Outer Rim Patrol'", 1},
      {"add-battle " + game + "battles neutral new.lst New --path 'Skyfall Offensive/Nowhere'", 1},
      {"add-battle " + game + "battles neutral new.lst New", 2},
      {"install-mission " + game + "combat neutral " + relay +
           "--path 'Skyfall Offensive/Silent Relay'",
       1}, // not a campaign
      {"install-mission " + game + "combat neutral " + relay +
           "--path 'Skyfall Offensive' --under 'Skyfall Offensive'",
       2},
  };
  for (const auto& refusal : refusals) {
    const TRun run = RunCli(refusal.Arguments);
    EXPECT_EQ(run.ExitCode, refusal.ExitCode) << refusal.Arguments << "\n" << run.Output;
    EXPECT_EQ(test::Snapshot(temp.Path()), before) << refusal.Arguments;
  }
  // --path names an entry where labels repeat; --swap gives the clashing one the next number.
  EXPECT_EQ(
      RunCli("renumber " + game + "combat neutral --path 'Skyfall Offensive/Silent Relay' 1 --swap")
          .ExitCode,
      0);
  const std::string dump = RunCli("dump " + game + "combat neutral").Output;
  EXPECT_NE(dump.find("\"number\":5,\"file\":\"patrol2.tie\""), std::string::npos) << dump;
  EXPECT_NE(dump.find("\"number\":1,\"file\":\"relay1.tie\""), std::string::npos) << dump;
  // --path names the group a mission or a battle is added to as well.
  ASSERT_EQ(RunCli("install-mission " + game + "combat neutral " + relay +
                   "--path 'Skyfall Offensive' --title Again")
                .ExitCode,
            0);
  ASSERT_EQ(
      RunCli("add-battle " + game + "battles neutral hoth.lst Hoth --path 'Skyfall Offensive'")
          .ExitCode,
      0);
  EXPECT_NE(GroupLines(RunCli("tree " + game + "combat neutral").Output, "Skyfall Offensive")
                .find("\"label\":\"Again\""),
            std::string::npos);
  EXPECT_NE(GroupLines(RunCli("tree " + game + "battles neutral").Output, "Skyfall Offensive")
                .find("\"label\":\"Hoth\""),
            std::string::npos);
}

TEST(Cli, PacksBuiltFromEachCategoryInstallToTheSameTree) {
  const std::pair<const char*, const char*> groups[] = {{"battles", "Skyfall Offensive"},
                                                        {"combat", "Outer Rim Patrol"},
                                                        {"melee", "Arena Nights"},
                                                        {"tournaments", "Spring Series"},
                                                        {"training", "Flight School"}};
  for (const auto& [category, label] : groups) {
    test::TTempDir temp;
    const std::string fresh = test::MakeGameDirectory(temp.Path() / "fresh");
    const std::string pack = (temp.Path() / "Group").string();
    const TRun built = RunCli(std::string("build-pack ") + DemoGame + " " + category +
                              " neutral '" + label + "' " + pack);
    ASSERT_EQ(built.ExitCode, 0) << category << ": " << built.Output;
    EXPECT_EQ(test::RunCommand("unzip -tq " + pack + ".ixo").ExitCode, 0) << category;
    EXPECT_EQ(test::ListDirectory(temp.Path()), "Group.ixo fresh")
        << "no script stays beside the pack";
    const TRun installed =
        RunCli(std::string("install-pack ") + fresh + " " + category + " neutral " + pack + ".ixo");
    ASSERT_EQ(installed.ExitCode, 0) << category << ": " << installed.Output;
    const TRun checked = RunCli("check " + fresh);
    EXPECT_EQ(checked.ExitCode, 0) << category << ": " << checked.Output;
    const std::string demoTree =
        RunCli(std::string("tree ") + DemoGame + " " + category + " neutral").Output;
    const std::string freshTree =
        RunCli(std::string("tree ") + fresh + " " + category + " neutral").Output;
    EXPECT_EQ(freshTree, GroupLines(demoTree, label)) << category;
  }
}

// A file listed as a mission that is no mission of this game is neither packed nor installed
// unless forced, and the plan names it.
TEST(Cli, FilesThatAreNoMissionsArePackedAndInstalledOnlyWhenForced) {
  test::TTempDir temp;
  const std::string game = test::MakeGameDirectory(temp.Path() / "Game");
  test::WriteBytes(
      temp.Path() / "Game" / "combat" / "mission.lst",
      test::CrLf({"//", "[Odd]", "//", "0", "good.tie", "Good", "1", "j.tie", "Junk"}));
  test::WriteBytes(temp.Path() / "Game" / "combat" / "good.tie", test::Mission("good"));
  test::WriteBytes(temp.Path() / "Game" / "combat" / "j.tie", "junk");
  const std::string pack = (temp.Path() / "odd.ixo").string();
  const std::string fresh = test::MakeGameDirectory(temp.Path() / "Fresh");
  const std::string named = "\"j.tie\" (not a mission file)";
  const struct {
    std::string Command;
    int ExitCode;
    std::string Said;
  } steps[] = {
      {"build-pack " + game + " combat neutral Odd " + pack, 1, "not built"},
      {"build-pack " + game + " combat neutral Odd " + pack + " --force", 0, "packed all the same"},
      {"install-pack " + fresh + " combat neutral " + pack, 1, "was not installed"},
      {"install-pack " + fresh + " combat neutral " + pack + " --dry-run", 1,
       "{\"action\":\"not-a-mission\",\"file\":\"j.tie\",\"reason\":\"not a mission file\"}"},
      {"install-pack " + fresh + " combat neutral " + pack + " --dry-run --force", 0, "j.tie"},
      {"install-pack " + fresh + " combat neutral " + pack + " --force", 0,
       "installed all the same"},
  };
  for (const auto& step : steps) {
    const std::string before = test::Snapshot(temp.Path() / "Fresh");
    const TRun run = RunCli(step.Command);
    EXPECT_EQ(run.ExitCode, step.ExitCode) << step.Command << "\n" << run.Output;
    EXPECT_NE(run.Output.find(step.Said), std::string::npos) << step.Command << "\n" << run.Output;
    EXPECT_TRUE(run.ExitCode == 0 || run.Output.find(named) != std::string::npos) << run.Output;
    EXPECT_EQ(
        test::Snapshot(temp.Path() / "Fresh") == before,
        !step.Command.starts_with("install-pack " + fresh + " combat neutral " + pack + " --force"))
        << step.Command;
  }
}

TEST(Cli, PacksOfOtherToolsAndPackInfo) {
  test::TTempDir temp;
  const std::string fresh = test::MakeGameDirectory(temp.Path() / "fresh");
  test::WriteBytes(temp.Path() / "Made.MCL",
                   test::CrLf({"Collection", "", "Handmade", "Handmade R", "", "", "Missions",
                               "h1.tie", "Hand One", "", "", ""}));
  test::WriteBytes(temp.Path() / "h1.tie", test::Mission("mission"));
  const std::string pack = (temp.Path() / "made.ixo").string();
  ASSERT_EQ(test::RunCommand("cd " + temp.Path().string() + " && zip -q made.ixo Made.MCL h1.tie")
                .ExitCode,
            0);
  const TRun info = RunCli("pack-info " + pack);
  EXPECT_EQ(info.ExitCode, 0);
  EXPECT_EQ(info.Output,
            "{\"entry\":\"Made.MCL\"}\n{\"entry\":\"h1.tie\"}\n"
            "{\"class\":\"group\",\"file\":\"\",\"titles\":[\"Handmade\",\"Handmade R\",\"\"]}\n"
            "{\"class\":\"mission\",\"file\":\"h1.tie\",\"titles\":[\"Hand One\",\"\",\"\"]}\n");
  EXPECT_EQ(RunCli("install-pack " + fresh + " training neutral " + pack).ExitCode, 0);
  EXPECT_EQ(test::ReadBytes(temp.Path() / "fresh" / "train" / "mission.lst"),
            test::CrLf({"//", "[Handmade]", "//", "0", "h1.tie", "Hand One"}));
  EXPECT_EQ(test::ReadBytes(temp.Path() / "fresh" / "train" / "h1.tie"), test::Mission("mission"));
  EXPECT_EQ(RunCli("check " + fresh).Output, "");

  const TRun noPack = RunCli("install-pack " + fresh + " training neutral " + pack + "x");
  EXPECT_EQ(noPack.ExitCode, 1);
  test::WriteBytes(temp.Path() / "bare.ixo", "not a zip");
  const TRun noScript =
      RunCli("install-pack " + fresh + " combat neutral " + (temp.Path() / "bare.ixo").string());
  EXPECT_EQ(noScript.ExitCode, 1);
  EXPECT_EQ(noScript.Output, "flightdeck-cli: Flightdeck was unable to locate the installation "
                             "script for this package!\n");
  EXPECT_EQ(RunCli("build-pack " + fresh + " training neutral Nothing " + pack).ExitCode, 1);

  // A script that names nothing fails both ways with its reason; one in a folder, even one
  // that would lead out of it, is read where it is extracted, without its folders.
  const std::string script =
      "Collection\r\n\r\nDeep\r\n\r\n\r\n\r\nMissions\r\nh1.tie\r\nOne\r\n\r\n\r\n\r\n";
  const std::string nothing = "it names nothing to install (a script names its entries in lines "
                              "ended by CR LF)";
  for (const auto& [name, text, installs] : std::vector<std::tuple<std::string, std::string, bool>>{
           {"empty.mcl", "", false},
           {"junk.mcl", "\x01\xff\x00junk", false},
           {"lf.mcl", "Collection\n\nDeep\n\n\n\nMissions\nh1.tie\nOne\n\n\n\n", false},
           {"deep/in.mcl", script, true},
           {"../../slip.mcl", script, true}}) {
    const fs::path folder = temp.Path() / ("pack of " + std::to_string(name.size()));
    fs::create_directories(folder / "x");
    test::WriteBytes(folder / "x" / "h1.tie", test::Mission("mission"));
    test::WriteBytes(folder / "x" / "s.mcl", text);
    // Written by hand: a stored entry of any name, which zip tools refuse to make.
    const std::string packPath = (folder / "p.ixo").string();
    ASSERT_EQ(test::RunCommand("cd '" + (folder / "x").string() +
                               "' && python3 -c \"import zipfile;"
                               "z=zipfile.ZipFile('../p.ixo','w');z.write('s.mcl','" +
                               name + "');z.write('h1.tie')\"")
                  .ExitCode,
              0);
    const std::string game = test::MakeGameDirectory(folder / "game");
    const TRun install = RunCli("install-pack '" + game + "' combat neutral '" + packPath + "'");
    const TRun described = RunCli("pack-info '" + packPath + "'");
    EXPECT_EQ(install.ExitCode, installs ? 0 : 1) << name << install.Output;
    EXPECT_EQ(described.ExitCode, installs ? 0 : 1) << name;
    if (!installs) {
      EXPECT_EQ(install.Output, "flightdeck-cli: The installation script of the pack \"" +
                                    packPath + "\" could not be read: " + nothing + ".\n");
      EXPECT_TRUE(described.Output.ends_with("cannot be read: " + nothing + "\n"));
    }
  }
}

TEST(Cli, CheckPrintsFindingsInListOrderWithItsExitCodes) {
  EXPECT_EQ(RunCli("check " + DemoGame).Output, "");
  EXPECT_EQ(RunCli("check " + DemoGame).ExitCode, 0);
  test::TTempDir temp;
  const std::string game = test::MakeGameDirectory(temp.Path() / "Game");
  test::WriteBytes(temp.Path() / "Game" / "combat" / "rebel.lst",
                   test::CrLf({"//", "[Outer Rim]", "//", "0", "patrol1.tie", "Into the Nebula"}));
  test::WriteBytes(temp.Path() / "Game" / "train" / "T.TIE", "tie");
  const std::string missing = "{\"severity\":\"error\",\"list\":\"combat/rebel.lst\",\"entry\":"
                              "\"Into the Nebula\",\"problem\":\"missing-mission-file\","
                              "\"file\":\"patrol1.tie\"}\n";
  const std::string unlisted = "{\"severity\":\"note\",\"folder\":\"train\",\"problem\":"
                               "\"unlisted-mission-file\",\"file\":\"T.TIE\"}\n";
  const std::pair<std::string, TRun> cases[] = {
      {"", {1, missing + unlisted}}, {" combat", {1, missing}},    {" combat rebel", {1, missing}},
      {" combat imperial", {0, ""}}, {" training", {0, unlisted}}, {" training neutral", {0, ""}},
  };
  for (const auto& [scope, expected] : cases) {
    const TRun run = RunCli("check " + game + scope);
    EXPECT_EQ(run.ExitCode, expected.ExitCode) << scope;
    EXPECT_EQ(run.Output, expected.Output) << scope;
  }
  for (const std::string& wrong :
       {game + " combat side", game + " Combat", game + " combat rebel extra", game + "/combat"})
    EXPECT_EQ(RunCli("check " + wrong).ExitCode, 2) << wrong;
}

} // namespace
} // namespace flightdeck
