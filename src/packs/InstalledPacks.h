// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/History.h"
#include "packs/PackRecord.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace flightdeck {

// How much of an installed pack the game holds now.
enum class TPackState {
  Installed,     // as it went in
  Changed,       // some of its files, or the titles of its groups, changed since
  PartlyRemoved, // some of its entries or files are gone
  Removed,       // none of its entries is left, and no file holds what it wrote
  Unknown,       // installed before installs were recorded, or its record is damaged
};

// A pack installed into the game: an install of the history that is not undone.
struct TInstalledPack {
  const THistoryEntry* Entry = nullptr; // of the history's entries it was found in
  std::optional<TPackRecord> Record;
  std::vector<std::string> Groups; // its groups, battles and tournaments, titled as they are now
  std::size_t Missions = 0;        // in the list it went into, now
  TPackState State = TPackState::Unknown;
  // What changed since, by name: its files (below the game) and its groups (titled as now).
  std::vector<std::string> Changed;
};

// The packs of `entries`, the history of the game at `gameDirectory`, oldest first.
std::vector<TInstalledPack> InstalledPacks(const TGameHistory& history,
                                           const std::vector<THistoryEntry>& entries,
                                           const std::string& gameDirectory);

// The same, for PacksLike of `pack` and `groups`: the files of the packs it cannot name are not
// looked at (what costs most where many packs were installed).
std::vector<TInstalledPack> InstalledPacksLike(const TGameHistory& history,
                                               const std::vector<THistoryEntry>& entries,
                                               const std::string& gameDirectory,
                                               const std::string& pack,
                                               const std::vector<std::string>& groups);

// The installed packs that a pack of the file name `pack`, with groups of the titles `groups`,
// is another copy or version of: not taken out, and of the same file name (as the host spells
// it), or with a group of one of those titles (without regard to case).
std::vector<const TInstalledPack*> PacksLike(const std::vector<TInstalledPack>& installed,
                                             const std::string& pack,
                                             const std::vector<std::string>& groups);

// The installs of packs that were taken out since, by remove-pack or by an install that
// replaced them (neither undone), by the numbers of their entries.
std::set<int> PacksTakenOut(const TGameHistory& history, const std::vector<THistoryEntry>& entries);

// The files of a pack's install that are its own (missions and battle files), by their index
// in the entry: all but the lists.
std::vector<std::size_t> PackFileIndexes(const THistoryEntry& install);

// The record kept with the install `entry`; none for another command, or an install recorded
// without one or with a damaged one.
std::optional<TPackRecord> PackRecordOf(const TGameHistory& history, const THistoryEntry& entry);

} // namespace flightdeck
