// SPDX-License-Identifier: GPL-3.0-or-later
// A pack of awkward names, built and installed by flightdeck-cli and read by other zip tools.

#include "cli/CliRun.h"
#include "lists/XvTListFile.h"
#include "platform/Windows1252.h"
#include "support/Command.h"
#include "support/ListSaving.h"
#include "support/MissionWriter.h"
#include "support/PackFiles.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <chrono>

namespace flightdeck {
namespace {

using test::CrLf;
using test::ShellQuote;
namespace fs = std::filesystem;
using test::RunCli;

// Names outside ASCII as the lists give them, in Windows-1252, and as a game under Wine has
// its files named on disk, in UTF-8.
const std::string Accented = "\xE9t\xE9.tie";
const std::string Naive = "na\xEFve.tie";
const std::string Senor = "Se\xF1or.tie";
std::string OnDisk(const std::string& listed) {
  return Windows1252ToUtf8(listed);
}

using TRun = test::TCommandResult;

TEST(PackRoundTrip, EveryMissionComesBackByteForByteUnderItsOwnName) {
  test::TTempDir temp;
  const fs::path source = temp.Path() / "Source";
  const std::string game = test::MakeGameDirectory(source);
  test::WriteBytes(source / "battle" / "mission.lst",
                   CrLf({"//", "[Deep Space]", "//", "0", "b1.lst", "First Strike", "1", "b2.lst",
                         "Second Strike"}));
  test::WriteBytes(source / "battle" / "b1.lst",
                   CrLf({"4", "[1].tie", Accented, "dup.tie", Naive, "a", "b"}));
  test::WriteBytes(source / "battle" / "b2.lst",
                   CrLf({"4", "dup.tie", "old.tie", "-d", Senor, "c", "d"}));
  const std::vector<std::string> missions = {"[1].tie", Accented, "dup.tie", Naive,
                                             "old.tie", "-d",     Senor};
  std::string titles;
  for (std::size_t i = 0; i < missions.size(); ++i)
    titles += CrLf({std::to_string(i), missions[i], "Mission " + std::to_string(i)});
  test::WriteBytes(source / "combat" / "mission.lst", CrLf({"//", "[Deep Space]", "//"}) + titles);
  for (const std::string& mission : missions)
    test::WriteBytes(source / "combat" / OnDisk(mission), test::Mission("bytes of " + mission));
  fs::last_write_time(source / "combat" / "old.tie",
                      fs::file_time_type::clock::now() - std::chrono::hours(24 * 365 * 50));
  const TRun sourceChecked = RunCli("check " + game);
  EXPECT_EQ(sourceChecked.ExitCode, 0) << sourceChecked.Output;
  EXPECT_EQ(sourceChecked.Output.find("\"note\""), std::string::npos) << sourceChecked.Output;

  // Built under a name with more dots and read back from a path that begins with "-".
  const TRun built = RunCli("build-pack " + game + " battles neutral 'Deep Space' " +
                            (temp.Path() / "DeepSpace-1.0.ixo").string());
  ASSERT_EQ(built.ExitCode, 0) << built.Output;
  fs::rename(temp.Path() / "DeepSpace-1.0.ixo", temp.Path() / "-DeepSpace-1.0.ixo");
  const std::string pack = (temp.Path() / "-DeepSpace-1.0.ixo").string();

  const std::string expected = "DeepSpace-1_0.mcl\n[1].tie\n" + OnDisk(Accented) + "\ndup.tie\n" +
                               OnDisk(Naive) + "\nold.tie\n-d\n" + OnDisk(Senor) + "\n";
  EXPECT_EQ(test::RunCommand("LC_ALL=C.UTF-8 unzip -Z1 " + ShellQuote(pack)).Output, expected);
  EXPECT_EQ(test::RunCommand("PYTHONIOENCODING=utf-8 python3 -c 'import sys, zipfile; "
                             "print(\"\\n\".join(zipfile.ZipFile(sys.argv[1]).namelist()))' " +
                             ShellQuote(pack))
                .Output,
            expected);
  const TRun sevenZip = test::RunCommand("LC_ALL=C.UTF-8 7z l -ba " + ShellQuote(pack));
  for (const std::string& mission : {Accented, Naive, Senor})
    EXPECT_NE(sevenZip.Output.find(" " + OnDisk(mission) + "\n"), std::string::npos)
        << sevenZip.Output;
  // The mission from 1979 carries the earliest date the format holds.
  EXPECT_NE(test::RunCommand("TZ=UTC unzip -l " + ShellQuote(pack))
                .Output.find("1980-01-01 00:00   old.tie"),
            std::string::npos);
  // A pack is opened as named: a "-deepspace-1.0.ixo" beside it is not taken instead.
  test::WriteBytes(temp.Path() / "-deepspace-1.0.ixo", "not this one");

  // The same pack as an old Windows tool wrote it: the names in the code page's own bytes,
  // without the UTF-8 flag.
  const fs::path unpacked = temp.Path() / "unpacked";
  ASSERT_EQ(
      test::RunCommand("unzip -q -d " + ShellQuote(unpacked.string()) + " " + ShellQuote(pack))
          .ExitCode,
      0);
  for (const std::string& mission : {Accented, Naive, Senor})
    fs::rename(unpacked / OnDisk(mission), unpacked / mission);
  const std::string old = (temp.Path() / "old.ixo").string();
  ASSERT_EQ(test::RunCommand("cd " + ShellQuote(unpacked.string()) + " && LC_ALL=C zip -qX " +
                             ShellQuote(old) + " -- *")
                .ExitCode,
            0);

  for (const auto& [folder, packed] : std::vector<std::pair<std::string, std::string>>{
           {"Fresh", "-DeepSpace-1.0.ixo"}, {"FromOld", "old.ixo"}}) {
    const fs::path fresh = temp.Path() / folder;
    const TRun installed = test::RunCommand(
        "cd " + ShellQuote(temp.Path().string()) + " && " + FLIGHTDECK_CLI + " install-pack " +
        test::MakeGameDirectory(fresh) + " battles neutral -- " + packed);
    ASSERT_EQ(installed.ExitCode, 0) << installed.Output;
    for (const std::string& mission : missions)
      EXPECT_TRUE(test::ReadBytes(fresh / "combat" / OnDisk(mission)) ==
                  test::Mission("bytes of " + mission))
          << mission;
    EXPECT_EQ(test::ListDirectory(fresh / "combat"),
              "-d Se\xC3\xB1or.tie [1].tie dup.tie imperial.lst mission.lst na\xC3\xAFve.tie "
              "old.tie rebel.lst \xC3\xA9t\xC3\xA9.tie")
        << folder;
    EXPECT_EQ(RunCli("tree " + fresh.string() + " battles neutral").Output,
              RunCli("tree " + game + " battles neutral").Output);
    const TRun checked = RunCli("check " + fresh.string());
    EXPECT_EQ(checked.ExitCode, 0) << checked.Output;
    EXPECT_EQ(checked.Output.find("\"note\""), std::string::npos) << checked.Output;
  }
}

// Whatever the names and titles hold, every JSON line parses strictly, and what a file holds
// reaches the terminal with its control characters escaped.
TEST(PackRoundTrip, EveryJsonLineParsesStrictlyAndFileTextReachesTheTerminalEscaped) {
  test::TTempDir temp;
  // A home whose name is not UTF-8, as an old tool may have made it.
  const fs::path home = temp.Path() / "jos\xE9";
  const fs::path root = home / ".wine" / "drive_c" / "GOG Games" / "XvT";
  const std::string game = test::MakeGameDirectory(root);
  // A title that would rename the terminal's window and recolour it; 0x9D is a C1 control.
  const std::string hostile = "\x1b]0;pwned\x07\x1b[31mRed]\x9d";
  test::WriteBytes(root / "combat" / "mission.lst",
                   CrLf({"//", "[Extras]", "//", "0", Accented, hostile, "1", Naive, "Na\xEFve"}));
  for (const std::string& mission : {Accented, Naive})
    test::WriteBytes(root / "combat" / OnDisk(mission), "m");
  test::WriteBytes(root / "combat" / "\xE6\x97\xA5\xE6\x9C\xAC.tie", "no list can name it");
  const std::string pack = (temp.Path() / "hostile.ixo").string();
  test::MakePack(pack, {{"h.mcl", CrLf({"Collection", "h.lst", hostile, hostile, hostile, "",
                                        "Missions", Senor, "S", "S", "S", ""})},
                        {OnDisk(Senor), test::Mission("s")}});

  const std::string cli = std::string(FLIGHTDECK_CLI) + " ";
  const std::string strictly = " 2>/dev/null | tee /dev/stderr | python3 -c 'import sys, json\n"
                               "lines = sys.stdin.buffer.read().decode(\"utf-8\").splitlines()\n"
                               "assert lines\n"
                               "for line in lines: json.loads(line)'";
  const std::string g = ShellQuote(game);
  for (const std::string& command :
       {"dump " + g + " combat neutral", "tree " + g + " combat neutral", "check " + g,
        "install-pack " + g + " combat neutral " + pack + " --dry-run", "pack-info " + pack,
        "history " + g, std::string("detect")}) {
    const std::string run = "HOME=" + ShellQuote(home.string()) + " " + cli + command;
    const TRun python = test::RunCommand(run + strictly);
    EXPECT_EQ(python.ExitCode, 0) << command << "\n" << python.Output;
    EXPECT_EQ(test::RunCommand(run + " | jq -e . >/dev/null").ExitCode, 0) << command;
    if (command.starts_with("install-pack")) {
      ASSERT_EQ(test::RunCommand(run.substr(0, run.find(" --dry-run"))).ExitCode, 0);
    }
  }
  EXPECT_NE(
      test::RunCommand(cli + "check " + g)
          .Output.find("\"problem\":\"unlistable-name\",\"file\":\"\xE6\x97\xA5\xE6\x9C\xAC.tie\""),
      std::string::npos);

  const TRun noted = test::RunCommand("{ " + cli + "install-pack " + g + " combat neutral " + pack +
                                      " --again >/dev/null; }");
  EXPECT_NE(noted.Output.find("\"\\x1b]0;pwned\\x07\\x1b[31mRed]\\x9d\""), std::string::npos)
      << noted.Output;
  EXPECT_EQ(noted.Output.find('\x1b'), std::string::npos);
  EXPECT_TRUE(IsValidUtf8(noted.Output));
}

// The three workloads that are measured against cp, unzip and zip keep every byte: a list
// longer than the piece resave works in comes out as loading and saving it whole writes it, and
// the missions of a pack built on every core come back out of it as they went in.
TEST(PackRoundTrip, ResaveBuildAndInstallKeepEveryByte) {
  test::TTempDir temp;
  const std::string game = test::MakeGameDirectory(temp.Path() / "Game");
  const std::string twin = test::MakeGameDirectory(temp.Path() / "Twin");
  std::string list = CrLf({"// written by hand", "[Long Campaign]", ""});
  std::vector<std::string> missions;
  for (int i = 0; i < 40000; ++i) { // about 1.4 MB
    list += CrLf({i % 7 == 0 ? "$" + std::to_string(i) : std::to_string(i),
                  "m" + std::to_string(i) + ".tie",
                  i % 11 == 0 ? "Title\nwith a line feed" : "Mission " + std::to_string(i)});
    if (i < 120) {
      missions.push_back("m" + std::to_string(i) + ".tie");
      std::string description(1000, '\0');
      for (std::size_t k = 0; k < description.size(); ++k)
        description[k] = static_cast<char>(1 + (k * k + static_cast<std::size_t>(i)) % 250);
      test::WriteBytes(temp.Path() / "Game" / "combat" / missions.back(),
                       test::Mission(description.substr(0, 1 + static_cast<std::size_t>(i) * 8)));
    }
  }
  test::WriteBytes(temp.Path() / "Game" / "combat" / "mission.lst", list);
  test::WriteBytes(temp.Path() / "Twin" / "combat" / "mission.lst", list);
  ASSERT_EQ(RunCli("resave " + game + " combat neutral").ExitCode, 0);
  TXvTListFile whole(twin, mtCombat, gnNeutral);
  whole.LoadFromFile();
  test::SavedToFile(whole, whole.ItemRefs());
  EXPECT_EQ(test::ReadBytes(temp.Path() / "Game" / "combat" / "mission.lst"),
            test::ReadBytes(temp.Path() / "Twin" / "combat" / "mission.lst"));

  const std::string pack = (temp.Path() / "Long.ixo").string();
  ASSERT_EQ(RunCli("build-pack " + game + " combat neutral 'Long Campaign' " + pack).ExitCode, 0);
  const std::string fresh = test::MakeGameDirectory(temp.Path() / "Fresh");
  ASSERT_EQ(RunCli("install-pack " + fresh + " combat neutral " + pack).ExitCode, 0);
  for (const std::string& mission : missions) {
    const std::string bytes = test::ReadBytes(temp.Path() / "Game" / "combat" / mission);
    EXPECT_EQ(test::ReadBytes(temp.Path() / "Fresh" / "combat" / mission), bytes) << mission;
    EXPECT_EQ(test::RunCommand("unzip -p " + ShellQuote(pack) + " " + mission).Output, bytes)
        << mission;
  }
}

} // namespace
} // namespace flightdeck
