// SPDX-License-Identifier: GPL-3.0-or-later
#include "packs/InstalledPacks.h"

#include "journal/CommandNames.h"
#include "journal/RecordText.h"
#include "packs/PackInLists.h"
#include "platform/AsciiCase.h"
#include "platform/PathNames.h"

#include <algorithm>
#include <functional>
#include <set>
#include <utility>

namespace flightdeck {

namespace {

// The files of the pack that changed since, and whether one is gone or holds what it wrote.
struct TFilesNow {
  std::vector<std::string> Changed;
  bool AnyGone = false;
  bool AnyAsWritten = false;
};

TFilesNow PackFilesNow(const TGameHistory& history, const THistoryEntry& install) {
  TFilesNow now;
  history.RecallFilesLeft(install); // a file still as the install left it is not read
  for (const std::size_t index : PackFileIndexes(install)) {
    const THistoryFile& file = install.Files[index];
    const std::string digest = history.Digests().Digest(history.HostPathOf(file));
    if (digest == file.After)
      now.AnyAsWritten = true;
    else if (digest == "-")
      now.AnyGone = true;
    else
      now.Changed.push_back(file.Path);
  }
  return now;
}

// Takes what the lists hold of the pack into `pack`: its groups and missions in the list it went
// into, and the groups renamed since. How many of its entries are found, of how many.
std::pair<std::size_t, std::size_t> TakeEntriesNow(TGameLists& gameLists, TInstalledPack& pack) {
  const TPackRecord& record = *pack.Record;
  std::size_t recorded = 0, found = 0;
  std::multiset<std::pair<TListItemKind, std::string>> titles; // of its groups, as installed
  for (const TPackRecordEntry& entry : record.Entries) {
    recorded += IsGroupHeader(entry.Kind) ? 0u : 1u;
    if (entry.List == 0 && !IsMission(entry.Kind))
      titles.emplace(entry.Kind, entry.Title);
  }
  const std::vector<TPackList> lists = FindPackInLists(gameLists, record);
  for (std::size_t at = 0; at < lists.size(); ++at)
    for (std::size_t i = 0; i < lists[at].Pack.size(); ++i) {
      const TListFileItem& item = *lists[at].List->Items[i];
      if (!lists[at].Pack[i])
        continue;
      found += IsGroupHeader(item.Kind) ? 0u : 1u;
      if (at != 0)
        continue;
      if (IsMission(item.Kind)) {
        ++pack.Missions;
        continue;
      }
      pack.Groups.push_back(item.Title);
      if (const auto same = titles.find({item.Kind, item.Title}); same != titles.end())
        titles.erase(same);
      else
        pack.Changed.push_back(item.Title);
    }
  return {found, recorded};
}

} // namespace

std::vector<std::size_t> PackFileIndexes(const THistoryEntry& install) {
  std::vector<std::size_t> indexes;
  for (std::size_t i = 0; i < install.Files.size(); ++i)
    if (!IsListFileName(ExtractFileName(install.Files[i].Path)))
      indexes.push_back(i);
  return indexes;
}

std::set<int> PacksTakenOut(const TGameHistory& history,
                            const std::vector<THistoryEntry>& entries) {
  std::set<int> out;
  for (const THistoryEntry& entry : entries) {
    if (entry.Undone)
      continue;
    if (entry.Command == CommandNames::RemovePack) {
      const std::optional<std::string> id = history.Kept(entry.Id, PackRemovedName);
      if (const std::optional<int> removed = id ? SmallRecordNumber(*id) : std::nullopt)
        out.insert(*removed);
    } else if (const std::optional<TPackRecord> record = PackRecordOf(history, entry);
               record && record->Replaces != 0) {
      out.insert(record->Replaces);
    }
  }
  return out;
}

std::optional<TPackRecord> PackRecordOf(const TGameHistory& history, const THistoryEntry& entry) {
  if (entry.Command != CommandNames::InstallPack)
    return std::nullopt;
  const std::optional<std::string> text = history.Kept(entry.Id, PackRecordName);
  return text ? ParsePackRecord(*text) : std::nullopt;
}

namespace {

// Whether `other`, titled as its lists hold it now, is of the file name `pack` or has a group of
// one of the titles `groups`.
bool IsLike(const TInstalledPack& other, const std::string& pack,
            const std::vector<std::string>& groups) {
  std::vector<std::string> titles = other.Groups;
  if (other.Record)
    for (const TPackRecordEntry& entry : other.Record->Entries)
      if (entry.List == 0 && !IsMission(entry.Kind))
        titles.push_back(entry.Title);
  const auto sameTitle = [&](const std::string& title) {
    return std::any_of(titles.begin(), titles.end(),
                       [&](const std::string& mine) { return SameTextAscii(mine, title); });
  };
  return SameTextAscii(other.Record ? other.Record->Pack : other.Entry->Subject, pack) ||
         std::any_of(groups.begin(), groups.end(), sameTitle);
}

// The packs of `entries`; those `lookedAt` passes over, once their lists are read, are left in
// an unknown state without looking at their files.
std::vector<TInstalledPack> PacksOf(const TGameHistory& history,
                                    const std::vector<THistoryEntry>& entries,
                                    const std::string& gameDirectory,
                                    const std::function<bool(const TInstalledPack&)>& lookedAt) {
  std::vector<TInstalledPack> packs;
  for (const THistoryEntry& entry : entries)
    if (entry.Command == CommandNames::InstallPack && !entry.Undone) {
      TInstalledPack& pack = packs.emplace_back();
      pack.Entry = &entry;
      pack.Record = PackRecordOf(history, entry);
    }
  // The later packs first: of two entries of one file, the later one is the later pack's.
  const std::set<int> out = PacksTakenOut(history, entries);
  TGameLists lists(gameDirectory);
  for (auto pack = packs.rbegin(); pack != packs.rend(); ++pack) {
    if (!pack->Record)
      continue;
    if (out.count(pack->Entry->Id)) {
      pack->State = TPackState::Removed;
      continue;
    }
    const auto [found, recorded] = TakeEntriesNow(lists, *pack);
    if (!lookedAt(*pack))
      continue;
    const TFilesNow files = PackFilesNow(history, *pack->Entry);
    pack->Changed.insert(pack->Changed.end(), files.Changed.begin(), files.Changed.end());
    pack->State = found == 0 && !files.AnyAsWritten   ? TPackState::Removed
                  : found < recorded || files.AnyGone ? TPackState::PartlyRemoved
                  : !pack->Changed.empty()            ? TPackState::Changed
                                                      : TPackState::Installed;
  }
  return packs;
}

} // namespace

std::vector<TInstalledPack> InstalledPacks(const TGameHistory& history,
                                           const std::vector<THistoryEntry>& entries,
                                           const std::string& gameDirectory) {
  return PacksOf(history, entries, gameDirectory, [](const TInstalledPack&) { return true; });
}

std::vector<TInstalledPack> InstalledPacksLike(const TGameHistory& history,
                                               const std::vector<THistoryEntry>& entries,
                                               const std::string& gameDirectory,
                                               const std::string& pack,
                                               const std::vector<std::string>& groups) {
  return PacksOf(history, entries, gameDirectory,
                 [&](const TInstalledPack& other) { return IsLike(other, pack, groups); });
}

std::vector<const TInstalledPack*> PacksLike(const std::vector<TInstalledPack>& installed,
                                             const std::string& pack,
                                             const std::vector<std::string>& groups) {
  std::vector<const TInstalledPack*> like;
  for (const TInstalledPack& other : installed)
    if (other.State != TPackState::Removed && IsLike(other, pack, groups))
      like.push_back(&other);
  return like;
}

} // namespace flightdeck
