// SPDX-License-Identifier: GPL-3.0-or-later
// Checking a whole game's catalogue must grow linearly with its entries and mission files.
// Run with TMPDIR=/dev/shm to see the program's own share.

#include "BenchGame.h"
#include "platform/HostPath.h"
#include "services/CatalogueCheck.h"
#include "support/MissionWriter.h"

#include <benchmark/benchmark.h>

#include <fstream>

using namespace flightdeck;

namespace {

// Checks `game` as often as the benchmark asks, for a game of `entries` entries.
void MeasureCheck(benchmark::State& state, const bench::TBenchGame& game, int entries) {
  std::size_t findings = 0;
  for (auto _ : state) {
    findings = CheckCatalogue(game.Directory()).size();
    benchmark::DoNotOptimize(findings);
  }
  state.counters["findings"] = static_cast<double>(findings);
  state.SetComplexityN(entries);
  state.SetItemsProcessed(state.iterations() * entries);
}

// `entries` entries spread over the nine lists the game reads, and a mission file for every
// other mission they name: half as many files as entries, the rest findings.
void CheckGame(benchmark::State& state) {
  const bench::TBenchGame game;
  const int entries = static_cast<int>(state.range(0));
  int list = 0;
  for (int code = 0; code < MissionTypeCount; ++code) {
    const TMissionType type = CheckedMissionType(code);
    const int sides = IsNeutralOnly(type) ? 1 : 3;
    for (int side = gnNeutral; side < gnNeutral + sides; ++side) {
      const std::vector<std::string> missions =
          bench::WriteList(game.Directory(), type, entries / 9, CheckedSide(side),
                           "l" + std::to_string(list++) + "_");
      const std::size_t step = HasBattleFile(EntryKind(type)) ? 6 : 2;
      for (std::size_t i = 0; i < missions.size(); i += step)
        std::ofstream(HostPath(MissionFilePath(game.Directory(), type, missions[i])).Native())
            << "tie";
    }
  }
  MeasureCheck(state, game, entries);
}

// A Combat list of `entries` missions, every one a mission of this game in the mission folder:
// what reading the missions adds to the check.
void CheckGameOfMissions(benchmark::State& state) {
  const bench::TBenchGame game;
  const int entries = static_cast<int>(state.range(0));
  test::TMissionShape shape;
  shape.Play = 4; // multiplayer combat
  for (const std::string& mission : bench::WriteList(game.Directory(), mtCombat, entries)) {
    shape.Description = mission;
    std::ofstream(HostPath(MissionFilePath(game.Directory(), mtCombat, mission)).Native(),
                  std::ios::binary)
        << test::MakeMission(shape);
  }
  MeasureCheck(state, game, entries);
}

} // namespace

BENCHMARK(CheckGameOfMissions)
    ->RangeMultiplier(2)
    ->Range(500, 4000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK(CheckGame)
    ->RangeMultiplier(2)
    ->Range(2500, 40000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK_MAIN();
