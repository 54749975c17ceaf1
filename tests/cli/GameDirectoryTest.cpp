// SPDX-License-Identifier: GPL-3.0-or-later
// Game directories as Linux players have them: folders in several spellings, names with blanks,
// and two commands at once.

#include "cli/CliRun.h"
#include "support/Command.h"
#include "support/MissionWriter.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

using test::CrLf;
using test::ReadBytes;
namespace fs = std::filesystem;
using test::RunCli;

using TRun = test::TCommandResult;

TEST(GameDirectory, CaseVariantAndBlankPaddedNamesReachTheRightFiles) {
  test::TTempDir temp;
  const fs::path upper = temp.Path() / "XvT";
  const fs::path lower = temp.Path() / "xvt";
  test::MakeGameDirectory(upper, {"BATTLE", "Combat", "MELEE", "TOURN", "TRAIN"});
  test::MakeGameDirectory(lower);
  test::WriteBytes(upper / "Combat" / "MISSION.LST", CrLf({"0", "a.tie", "Upper"}));
  test::WriteBytes(lower / "combat" / "mission.lst", CrLf({"0", "a.tie", "Lower"}));
  // A battle file named with a blank behind it, a path out of the folder, a number too large.
  test::WriteBytes(upper / "BATTLE" / "MISSION.LST",
                   CrLf({"//", "[War]", "//", "0", "b1.lst ", "Padded", "1",
                         "..\\..\\..\\..\\dev\\zero", "Escaping", "2147483648", "b3.lst", "Big"}));
  test::WriteBytes(upper / "BATTLE" / "B1.LST", CrLf({"1", "m1.tie", "first", "second"}));
  const std::string lowerBefore = test::Snapshot(lower);

  const TRun dump = RunCli("dump " + upper.string() + " combat neutral");
  EXPECT_EQ(dump.Output, "{\"kind\":\"Engagement\",\"number\":0,\"file\":\"a.tie\",\"title\":"
                         "\"Upper\",\"description\":[\"\",\"\"]}\n");
  const TRun battles = RunCli("dump " + upper.string() + "/ battles neutral");
  EXPECT_NE(battles.Output.find("{\"kind\":\"Operation\",\"number\":0,\"file\":\"m1.tie\""),
            std::string::npos)
      << battles.Output;
  EXPECT_NE(battles.Output.find("\"number\":2147483647"), std::string::npos);
  for (const char* list : {"combat neutral", "combat rebel", "battles neutral"}) {
    const TRun resave = RunCli("resave " + upper.string() + " " + list);
    EXPECT_EQ(resave.ExitCode, 0) << list << ": " << resave.Output;
  }
  EXPECT_EQ(ReadBytes(upper / "BATTLE" / "B1.LST"), CrLf({"1", "m1.tie", "first", "second"}));
  EXPECT_EQ(test::ListDirectory(upper / "BATTLE"), "B1.LST MISSION.LST b3.lst");
  EXPECT_EQ(test::ListDirectory(upper / "Combat"), "MISSION.LST rebel.lst");
  EXPECT_EQ(test::Snapshot(lower), lowerBefore);

  // Given in another spelling than the one on disk, the directory is still found.
  fs::remove_all(lower);
  EXPECT_EQ(RunCli("resave " + lower.string() + " combat imperial").ExitCode, 0);
  EXPECT_EQ(test::ListDirectory(temp.Path()), "XvT");
  EXPECT_EQ(test::ListDirectory(upper / "Combat"), "MISSION.LST imperial.lst rebel.lst");
}

TEST(GameDirectory, TwoCommandsAtOnceNeverLoseAMission) {
  test::TTempDir temp;
  const std::string game = test::MakeGameDirectory(temp.Path() / "game");
  test::WriteBytes(temp.Path() / "game" / "melee" / "mission.lst", CrLf({"//", "[Arena]", "//"}));
  for (const char* name : {"one.tie", "two.tie"})
    test::WriteBytes(temp.Path() / name, test::Mission(name));
  const std::string install = std::string(FLIGHTDECK_CLI) + " install-mission " + game +
                              " melee neutral " + temp.Path().string() + "/";
  std::string script = "for i in $(seq 50); do " + install + "one.tie --under Arena & " + install +
                       "two.tie --under Arena & wait; done";
  const TRun runs = test::RunCommand(script);
  EXPECT_EQ(runs.Output, "");
  const std::string list = ReadBytes(temp.Path() / "game" / "melee" / "mission.lst");
  std::size_t ones = 0, twos = 0;
  for (std::size_t at = 0; (at = list.find("one.tie", at)) != std::string::npos; ++at)
    ++ones;
  for (std::size_t at = 0; (at = list.find("two.tie", at)) != std::string::npos; ++at)
    ++twos;
  EXPECT_EQ(ones, 50u);
  EXPECT_EQ(twos, 50u);
}

TEST(GameDirectory, DetectPrintsTheGamesFoundAsJsonLines) {
  test::TTempDir temp;
  test::MakeGameDirectory(temp.Path() / ".wine/drive_c/GOG Games/X-Wing vs TIE Fighter");
  const TRun run = test::RunCommand("HOME=" + test::ShellQuote(temp.Path().string()) +
                                    " WINEPREFIX= " + FLIGHTDECK_CLI + " detect");
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(run.Output,
            "{\"path\":\"" + temp.Path().string() +
                "/.wine/drive_c/GOG Games/X-Wing vs TIE Fighter\",\"source\":\"wine\"}\n");
  const TRun none = test::RunCommand("HOME=" + test::ShellQuote((temp.Path() / "x").string()) +
                                     " WINEPREFIX= " + FLIGHTDECK_CLI + " detect");
  EXPECT_EQ(none.ExitCode, 0);
  EXPECT_EQ(none.Output, "");
}

TEST(GameDirectory, UsageAndVersionNameEveryCommand) {
  for (const char* help : {"-h", "--help"}) {
    const TRun run = RunCli(help);
    EXPECT_EQ(run.ExitCode, 0);
    for (const char* command :
         {"dump", "tree", "resave", "install-mission", "install-pack", "build-pack", "rename",
          "remove", "move", "renumber", "add-group", "add-battle", "pack-info"})
      EXPECT_NE(run.Output.find(command), std::string::npos) << command;
  }
  EXPECT_EQ(RunCli("").ExitCode, 2);
  EXPECT_EQ(RunCli("--version").Output, "flightdeck-cli " FLIGHTDECK_VERSION "\n");
#ifdef FLIGHTDECK_WINDOW
  // The window's program answers both without a display.
  const std::string window = std::string("env -u DISPLAY -u WAYLAND_DISPLAY ") + FLIGHTDECK_WINDOW;
  EXPECT_EQ(test::RunCommand(window + " --version").Output, "flightdeck " FLIGHTDECK_VERSION "\n");
  const TRun help = test::RunCommand(window + " --help");
  EXPECT_EQ(help.ExitCode, 0);
  EXPECT_EQ(help.Output.rfind("usage: flightdeck", 0), 0u);
#endif
}

#ifdef FLIGHTDECK_WINDOW
// A logout's SIGTERM closes the window as a user closes it: its settings are written, and it
// ends well. They are beside the program, unless it is installed into a prefix (~/.local too).
TEST(GameDirectory, TheWindowEndsOnSigtermAsOnACloseAndKeepsItsSettingsWhereTheyBelong) {
  for (const bool installed : {false, true}) {
    test::TTempDir temp;
    const std::string game = test::MakeGameDirectory(temp.Path() / "Game");
    fs::create_directories(temp.Path() / "local" / "bin");
    if (installed)
      fs::create_directories(temp.Path() / "local" / "share" / "flightdeck");
    fs::create_directories(temp.Path() / "run");
    fs::permissions(temp.Path() / "run", fs::perms::owner_all, fs::perm_options::replace);
    fs::copy_file(FLIGHTDECK_WINDOW, temp.Path() / "local" / "bin" / "flightdeck");
    const fs::path settings = installed ? temp.Path() / "config" / "flightdeck" / "flightdeck.ini"
                                        : temp.Path() / "local" / "bin" / "flightdeck.ini";
    const TRun run = test::RunCommand(
        "cd '" + temp.Path().string() + "' || exit 1; export QT_QPA_PLATFORM=offscreen " +
        "HOME=\"$PWD\" XDG_RUNTIME_DIR=\"$PWD/run\" XDG_CONFIG_HOME=\"$PWD/config\"; " +
        "local/bin/flightdeck --game '" + game + "' & pid=$!; for i in $(seq 100); do " +
        "grep -q MPath '" + settings.string() + "' 2>/dev/null && break; sleep 0.1; done; rm '" +
        settings.string() + "'; kill -TERM $pid; wait $pid; echo \"exit $?\"");
    EXPECT_TRUE(run.Output.ends_with("exit 0\n")) << run.Output;
    EXPECT_NE(test::ReadBytes(settings).find("MPath="), std::string::npos) << installed;
    EXPECT_EQ(fs::exists(temp.Path() / "local" / "bin" / "flightdeck.ini"), !installed);
  }
}
#endif

} // namespace
} // namespace flightdeck
