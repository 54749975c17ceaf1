// SPDX-License-Identifier: GPL-3.0-or-later
// Installing a pack of many small missions, whose time must grow with the number of missions and
// no faster, and resaving a Battles list that writes as many new battle files. Run with
// TMPDIR=/dev/shm to leave the disk out of it.

#include "CollectionPack.h"
#include "journal/Session.h"
#include "lists/XvTListFile.h"
#include "packs/PackInstall.h"
#include "platform/HostPath.h"
#include "support/ListSaving.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace flightdeck;

namespace {

fs::path Scratch() {
  return fs::temp_directory_path() / ("flightdeck-install-bench-" + std::to_string(getpid()));
}

// A game directory in upper case, as some installations have it, so that every name the
// program looks up goes through the case-insensitive lookup.
std::string FreshGame(const fs::path& root) {
  fs::remove_all(root);
  for (const char* folder : {"BATTLE", "COMBAT", "MELEE", "TOURN", "TRAIN"})
    fs::create_directories(root / folder);
  return root.string() + "/";
}

// A pack of `count` missions of `size` bytes under one campaign, written once per size.
fs::path Pack(int count, std::size_t size = 100) {
  const fs::path pack =
      Scratch() / ("pack" + std::to_string(count) + "-" + std::to_string(size) + ".ixo");
  if (fs::exists(pack))
    return pack;
  bench::MakeCollectionPack(pack, count, [size](int) { return std::string(size, 'x'); });
  return pack;
}

TZipArchiver ListedPack(const fs::path& pack, std::vector<std::string>& listing) {
  TZipArchiver zip;
  zip.UsePaths = false;
  zip.OnListing = [&](TZipArchiver&, const TZipFileStats& stats) {
    listing.push_back(stats.FileName);
  };
  zip.ZipFileName = pack.string();
  zip.ListFiles();
  return zip;
}

// A pack installed as a command does, without recording it in a history.
TOutcome<> InstallUnrecorded(TZipArchiver& zip, const std::vector<std::string>& listing,
                             const std::string& game) {
  TFileTransaction staging;
  TFilesRead read;
  TPackFiles pack = ExtractPackFiles(staging, zip, listing, game, mtCombat);
  if (pack) {
    TPackRecord record;
    AddPackToLists(staging, read, game, mtCombat, gnNeutral, pack.Value(), record);
    staging.Commit();
  }
  return pack ? TOutcome<>(TDone{}) : TOutcome<>::Failure(pack.ErrorMessage());
}

void InstallPackOfSmallMissions(benchmark::State& state) {
  const fs::path pack = Pack(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    const std::string game = FreshGame(Scratch() / "Game");
    std::vector<std::string> listing;
    TZipArchiver zip = ListedPack(pack, listing);
    state.ResumeTiming();
    const THostLookupScope scope;
    const TOutcome<> installed = InstallUnrecorded(zip, listing, game);
    if (!installed)
      state.SkipWithError(installed.Error().c_str());
  }
  state.SetComplexityN(state.range(0));
}

// 200 missions of 100 KiB replacing as many in the game, without (0) and with (1) the game's
// history recording the command: recording should add little.
void InstallPackRecorded(benchmark::State& state) {
  constexpr int Missions = 200;
  const fs::path pack = Pack(Missions, 100 << 10);
  const THistoryPlace history{THostPath((Scratch() / "history").string())};
  for (auto _ : state) {
    state.PauseTiming();
    const std::string game = FreshGame(Scratch() / "Game");
    for (int i = 0; i < Missions; ++i)
      std::ofstream(Scratch() / "Game" / "COMBAT" / ("m" + std::to_string(i) + ".tie"),
                    std::ios::binary)
          << std::string(100 << 10, 'o');
    fs::remove_all(Scratch() / "history");
    std::vector<std::string> listing;
    TZipArchiver zip = ListedPack(pack, listing);
    state.ResumeTiming();
    const THostLookupScope scope;
    const TOutcome<> installed = state.range(0) == 0
                                     ? InstallUnrecorded(zip, listing, game)
                                     : test::InSession(
                                           game,
                                           [&](TSession& session) {
                                             return InstallPack(session, zip, listing, mtCombat,
                                                                gnNeutral, TNonMissions::Install);
                                           },
                                           history);
    if (!installed)
      state.SkipWithError(installed.Error().c_str());
  }
}

void ResaveWritingNewBattleFiles(benchmark::State& state) {
  const auto count = static_cast<std::size_t>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    const std::string game = FreshGame(Scratch() / "Game");
    TXvTListFile list(game, mtBattles, gnNeutral);
    for (std::size_t i = 0; i < count; ++i) {
      auto battle = std::make_unique<TListFileItem>();
      battle->Kind = likBattle;
      battle->FileName = "b" + std::to_string(i) + ".lst";
      list.Items().push_back(std::move(battle));
    }
    state.ResumeTiming();
    const THostLookupScope scope;
    test::Saved(list);
  }
  state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(InstallPackOfSmallMissions)
    ->RangeMultiplier(2)
    ->Range(2500, 20000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Complexity(benchmark::oN);
BENCHMARK(InstallPackRecorded)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ResaveWritingNewBattleFiles)
    ->RangeMultiplier(2)
    ->Range(2500, 20000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Complexity(benchmark::oN);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fs::remove_all(Scratch());
  return 0;
}
