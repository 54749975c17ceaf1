// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile packs against the bounds of what a pack may hold: each is refused, or its title cut,
// with a message that names the bound, the game unchanged, and the install within 100 MiB.

#include "cli/CliRun.h"
#include "support/MissionWriter.h"
#include "support/PackFiles.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace flightdeck {
namespace {

namespace fs = std::filesystem;
using test::RunCli;

void Put(std::string& bytes, std::uint64_t value, int width) {
  for (int i = 0; i < width; ++i)
    bytes += static_cast<char>((value >> (8 * i)) & 0xff);
}

// A zip archive whose script has data of its own, while every name of `missions` points at
// the one stored mission after it: a few kilobytes that would extract as many copies.
void WriteOverlappingPack(const fs::path& pack, const std::string& script,
                          const std::vector<std::string>& missions) {
  const std::string mission(64 * 1024, 'm');
  std::string archive, directory;
  const auto local = [&](const std::string& name, const std::string& data) {
    const std::uint64_t offset = archive.size();
    Put(archive, 0x04034b50, 4);
    Put(archive, 20, 2), Put(archive, 0, 2), Put(archive, 0, 2), Put(archive, 0, 4);
    Put(archive, 0, 4), Put(archive, data.size(), 4), Put(archive, data.size(), 4);
    Put(archive, name.size(), 2), Put(archive, 0, 2);
    archive += name + data;
    return offset;
  };
  const auto central = [&](const std::string& name, std::uint64_t size, std::uint64_t offset) {
    Put(directory, 0x02014b50, 4);
    Put(directory, 20, 2), Put(directory, 20, 2), Put(directory, 0, 2), Put(directory, 0, 2);
    Put(directory, 0, 4), Put(directory, 0, 4), Put(directory, size, 4), Put(directory, size, 4);
    Put(directory, name.size(), 2), Put(directory, 0, 2), Put(directory, 0, 2);
    Put(directory, 0, 2), Put(directory, 0, 2), Put(directory, 0, 4), Put(directory, offset, 4);
    directory += name;
  };
  central("Dark.mcl", script.size(), local("Dark.mcl", script));
  const std::uint64_t shared = local(missions.front(), mission);
  for (const std::string& name : missions)
    central(name, mission.size(), shared);
  const std::uint64_t at = archive.size();
  archive += directory;
  Put(archive, 0x06054b50, 4), Put(archive, 0, 2), Put(archive, 0, 2);
  Put(archive, missions.size() + 1, 2), Put(archive, missions.size() + 1, 2);
  Put(archive, directory.size(), 4), Put(archive, at, 4), Put(archive, 0, 2);
  test::WriteBytes(pack, archive);
}

TEST(PackLimits, HostilePacksAreRefusedOrCutAndTheGameStaysAsItWas) {
  test::TTempDir temp;
  const std::string game = test::MakeGameDirectory(temp.Path() / "Game");
  const std::string script = test::BattlePackScript();
  std::string longTitle = script;
  longTitle.replace(longTitle.find("Dawn\r\n"), 4, std::string(1000, 'T'));
  std::string longLine = script;
  longLine.replace(longLine.find("Noon\r\n"), 4, std::string(2000, 'N'));
  // A script that inflates to 250 MB: one title line, as a hostile pack made it.
  std::string bomb = script;
  bomb.replace(bomb.find("Dusk\r\n"), 4, std::string(250u << 20, 'B'));
  std::string many = "Missions\r\n";
  for (int i = 0; i <= 50'000; ++i)
    many += "m.tie\r\n\r\n\r\n\r\n";
  const std::vector<std::pair<std::string, std::string>> missions = {
      {"d1.tie", test::Mission("dawn")},
      {"d2.tie", test::Mission("noon")},
      {"d3.tie", test::Mission("dusk")}};
  const auto with = [&](std::string text, std::string third = test::Mission("dusk")) {
    std::vector<std::pair<std::string, std::string>> files = missions;
    files.back().second = std::move(third);
    files.emplace_back("Dark.mcl", std::move(text));
    return files;
  };
  const struct {
    const char* Name;
    std::vector<std::pair<std::string, std::string>> Files; // none: the overlapping pack
    const char* Message;
  } cases[] = {
      {"script bomb", with(std::move(bomb)),
       "larger than 16 MiB, the most a file of a pack may be"},
      {"long line", with(longLine), "longer than 1 KiB, the most a line may be"},
      {"large script", with(script + std::string(2u << 20, ' ')),
       "larger than 1 MiB, the most an installation script may be"},
      {"large mission", with(script, std::string(17u << 20, 'x')),
       "not installed: \"d3.tie\" is larger than 16 MiB, the most a file of a pack may be."},
      {"overlap", {}, "several of its entries share their data"},
      {"many missions", with(many), "names more than 50000 missions, the most a pack may hold"},
      {"long title", with(longTitle),
       "A title of 1000 bytes was cut to 255, the most a title may hold"},
  };
  for (const auto& hostile : cases) {
    SCOPED_TRACE(hostile.Name);
    const fs::path pack = temp.Path() / "Dark.ixo";
    if (hostile.Files.empty())
      WriteOverlappingPack(pack, script, {"d1.tie", "d2.tie", "d3.tie"});
    else
      test::MakePack(pack, hostile.Files);
    const std::string before = test::Snapshot(temp.Path() / "Game");
    // In 100 MiB of address space: a bound on its memory that no thread or library escapes.
    const test::TCommandResult run =
        test::RunCommand("ulimit -v 102400; " + std::string(FLIGHTDECK_CLI) + " install-pack " +
                         game + " battles neutral " + pack.string());
    EXPECT_NE(run.Output.find(hostile.Message), std::string::npos) << run.Output;
    if (std::string(hostile.Name) == "long title") {
      EXPECT_EQ(run.ExitCode, 0);
      ASSERT_EQ(RunCli("undo " + game).ExitCode, 0);
    } else {
      EXPECT_EQ(run.ExitCode, 1);
    }
    EXPECT_EQ(test::Snapshot(temp.Path() / "Game"), before);
  }
}

// A build checks the bounds an install does, in its words, before it writes anything: a
// mission over 16 MiB, and missions adding up to more than a pack may hold.
TEST(PackLimits, ABuildRefusesWhatNoInstallWouldTake) {
  test::TTempDir temp;
  const std::string game = test::MakeGameDirectory(temp.Path() / "Game");
  const fs::path combat = temp.Path() / "Game" / "combat";
  std::string list = test::CrLf({"//", "[Large]", "//"});
  for (int i = 0; i < 257; ++i) {
    const std::string name = "m" + std::to_string(i) + ".tie";
    test::WriteBytes(combat / name, "");
    fs::resize_file(combat / name, 16u << 20); // sparse: nothing is read
    list += test::CrLf({std::to_string(i), name, "Large " + std::to_string(i)});
  }
  test::WriteBytes(combat / "mission.lst",
                   list + test::CrLf({"//", "[One]", "//", "0", "big.tie", "Big"}));
  test::WriteBytes(combat / "big.tie", "");
  fs::resize_file(combat / "big.tie", (16u << 20) + 1);
  for (const auto& [group, reason] : std::vector<std::pair<std::string, std::string>>{
           {"One", "\"big.tie\" is larger than 16 MiB, the most a file of a pack may be"},
           {"Large", "its files add up to more than 4 GiB, the most a pack may hold"}}) {
    const fs::path pack = temp.Path() / (group + ".ixo");
    const test::TCommandResult run =
        RunCli("build-pack " + game + " combat neutral " + group + " " + pack.string() +
               " --force"); // its files are no missions: the bounds are what is tried
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Output.ends_with("flightdeck-cli: The pack \"" + pack.string() +
                                     "\" could not be written: " + reason + "\n"))
        << run.Output;
    EXPECT_EQ(test::ListDirectory(temp.Path()), "Game");
  }
}

// Only a few missions are in flight, each given back once written: a pack of 50 MiB of
// missions is built within 16 MiB, the program's own memory included.
TEST(PackLimits, BuildingAPackHoldsAFewMissionsAtATime) {
  test::TTempDir temp;
  const std::string game = test::MakeGameDirectory(temp.Path() / "Game");
  std::string list = test::CrLf({"//", "[Deep Space]", "//"});
  std::string mission(100 << 10, '\0');
  std::uint32_t noise = 1;
  for (int i = 0; i < 500; ++i) {
    for (char& byte : mission) // sixteen values at random: deflates to about half
      byte = static_cast<char>((noise = noise * 1664525u + 1013904223u) >> 28);
    const std::string name = "ds" + std::to_string(i) + ".tie";
    test::WriteBytes(temp.Path() / "Game" / "combat" / name, mission);
    list += test::CrLf({std::to_string(i), name, "Deep Space " + std::to_string(i)});
  }
  test::WriteBytes(temp.Path() / "Game" / "combat" / "mission.lst", list);
  const fs::path pack = temp.Path() / "Deep.ixo";
  // Built from a child of its own, whose children's peak is then the build's alone.
  const pid_t child = fork();
  if (child == 0) {
    RunCli("build-pack " + game + " combat neutral 'Deep Space' " + pack.string() +
           " --force"); // its missions are noise
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    _exit(static_cast<int>(std::min<long>(children.ru_maxrss >> 10, 255)));
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(fs::exists(pack));
  EXPECT_LE(WEXITSTATUS(status), 16) << "MiB at the peak"; // all held to the end: 60 MiB
}

} // namespace
} // namespace flightdeck
