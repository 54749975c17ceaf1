// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A game directory for benchmarks, and large lists in it.

#include "lists/XvTListFile.h"
#include "support/ListSaving.h"

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace flightdeck::bench {

class TBenchGame {
public:
  // A lower-case path, as most game directories are.
  TBenchGame()
      : FRoot(std::filesystem::temp_directory_path() /
              ("flightdeck-bench-" + std::to_string(getpid()))) {
    for (std::string_view folder : MissionTypeDirs)
      std::filesystem::create_directories(FRoot / std::string(folder.substr(0, folder.size() - 1)));
  }
  ~TBenchGame() { std::filesystem::remove_all(FRoot); }
  TBenchGame(const TBenchGame&) = delete;
  TBenchGame& operator=(const TBenchGame&) = delete;
  std::string Directory() const { return FRoot.string() + "/"; }

private:
  std::filesystem::path FRoot;
};

// A list of `entries` entries of `type`: a header every 20 entries and, for battle lists,
// three missions in every battle file. Its file names begin with `prefix`; returns the names
// of its mission files in list order.
inline std::vector<std::string> WriteList(const std::string& game, TMissionType type, int entries,
                                          TGender side = gnNeutral,
                                          const std::string& prefix = "") {
  TXvTListFile list(game, type, side);
  std::vector<std::string> missions;
  const TListItemKind entry = EntryKind(type);
  for (int i = 0; i < entries; ++i) {
    if (i % 20 == 0)
      list.Items().push_back(std::make_unique<TListFileItem>(
          TListFileItem{GroupHeaderKind(type), 0, "", "Group " + std::to_string(i / 20), {}}));
    const std::string name = prefix + "m" + std::to_string(i);
    list.Items().push_back(std::make_unique<TListFileItem>(
        TListFileItem{entry,
                      i,
                      name + (HasBattleFile(entry) ? ".lst" : ".tie"),
                      "Mission number " + std::to_string(i),
                      {"First line", ""}}));
    if (!HasBattleFile(entry))
      missions.push_back(name + ".tie");
    for (int k = 0; HasBattleFile(entry) && k < 3; ++k) {
      missions.push_back(name + "_" + std::to_string(k) + ".tie");
      list.Items().push_back(std::make_unique<TListFileItem>(TListFileItem{
          static_cast<TListItemKind>(entry + 1), 0, missions.back(), "Contest title", {}}));
    }
  }
  test::Saved(list);
  return missions;
}

} // namespace flightdeck::bench
