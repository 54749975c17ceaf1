// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving large lists: the time must grow linearly with the number of entries.
// Every save creates each file anew and renames it into place; on ext4 the kernel's inode
// allocation then dominates the Battles case, so run with TMPDIR=/dev/shm to see the
// program's own share.

#include "BenchGame.h"
#include "support/ListSaving.h"

#include <benchmark/benchmark.h>

using namespace flightdeck;

using bench::TBenchGame;
using bench::WriteList;

namespace {

void LoadAndSave(benchmark::State& state, TMissionType type) {
  const TBenchGame game;
  const int entries = static_cast<int>(state.range(0));
  WriteList(game.Directory(), type, entries);
  for (auto _ : state) {
    TXvTListFile list(game.Directory(), type, gnNeutral);
    list.LoadFromFile();
    test::Saved(list);
    benchmark::DoNotOptimize(list.Items().size());
  }
  state.SetComplexityN(entries);
  state.SetItemsProcessed(state.iterations() * entries);
}

void CombatList(benchmark::State& state) {
  LoadAndSave(state, mtCombat);
}
void BattlesList(benchmark::State& state) {
  LoadAndSave(state, mtBattles);
}

} // namespace

BENCHMARK(CombatList)
    ->RangeMultiplier(2)
    ->Range(12500, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BattlesList)
    ->RangeMultiplier(2)
    ->Range(625, 5000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK_MAIN();
