// Loading and saving large lists: the time must grow linearly with the number of entries.
// Every save creates each file anew and renames it into place; on ext4 the kernel's inode
// allocation then dominates the Battles case, so run with TMPDIR=/dev/shm to see the
// program's own share.

#include "lists/XvTListFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace flightdeck;

namespace {

class TBenchGame {
public:
  // A lower-case path, as most game directories are: the program lower-cases it anyway.
  TBenchGame()
      : FRoot(fs::temp_directory_path() / ("flightdeck-bench-" + std::to_string(getpid()))) {
    for (std::string_view folder : MissionTypeDirs)
      fs::create_directories(FRoot / std::string(folder.substr(0, folder.size() - 1)));
  }
  ~TBenchGame() { fs::remove_all(FRoot); }
  std::string Directory() const { return FRoot.string() + "/"; }

private:
  fs::path FRoot;
};

// A list of `entries` entries of `type`: a header every 20 entries and, for battle lists,
// three missions in every battle file.
void WriteList(const std::string& game, TMissionType type, int entries) {
  TXvTListFile list(game, type, gnNeutral);
  const TListItemKind entry = EntryKind(type);
  for (int i = 0; i < entries; ++i) {
    if (i % 20 == 0)
      list.Items().push_back(std::make_unique<TListFileItem>(
          TListFileItem{GroupHeaderKind(type), 0, "", "Group " + std::to_string(i / 20), {}}));
    const std::string name = "m" + std::to_string(i);
    list.Items().push_back(std::make_unique<TListFileItem>(
        TListFileItem{entry,
                      i,
                      name + (HasBattleFile(entry) ? ".lst" : ".tie"),
                      "Mission number " + std::to_string(i),
                      {"First line", ""}}));
    for (int k = 0; HasBattleFile(entry) && k < 3; ++k)
      list.Items().push_back(
          std::make_unique<TListFileItem>(TListFileItem{static_cast<TListItemKind>(entry + 1),
                                                        0,
                                                        name + "_" + std::to_string(k) + ".tie",
                                                        "",
                                                        {}}));
  }
  list.SaveToFile(list.ItemRefs());
}

void LoadAndSave(benchmark::State& state, TMissionType type) {
  const TBenchGame game;
  const int entries = static_cast<int>(state.range(0));
  WriteList(game.Directory(), type, entries);
  for (auto _ : state) {
    TXvTListFile list(game.Directory(), type, gnNeutral);
    list.LoadFromFile();
    list.SaveToFile(list.ItemRefs());
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
