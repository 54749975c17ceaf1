// SPDX-License-Identifier: GPL-3.0-or-later
#include "packs/InstalledPacks.h"

#include "journal/CommandNames.h"
#include "packs/PackInLists.h"
#include "platform/PathNames.h"

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
std::pair<std::size_t, std::size_t> TakeEntriesNow(const std::string& gameDirectory,
                                                   TInstalledPack& pack) {
  const TPackRecord& record = *pack.Record;
  std::size_t recorded = 0, found = 0;
  std::multiset<std::pair<TListItemKind, std::string>> titles; // of its groups, as installed
  for (const TPackRecordEntry& entry : record.Entries) {
    recorded += IsGroupHeader(entry.Kind) ? 0u : 1u;
    if (entry.List == 0 && !IsMission(entry.Kind))
      titles.emplace(entry.Kind, entry.Title);
  }
  const std::vector<TPackList> lists = FindPackInLists(gameDirectory, record);
  for (std::size_t at = 0; at < lists.size(); ++at)
    for (std::size_t i = 0; i < lists[at].Items.size(); ++i) {
      const TListFileItem& item = *lists[at].Items[i];
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

std::optional<TPackRecord> PackRecordOf(const TGameHistory& history, const THistoryEntry& entry) {
  if (entry.Command != CommandNames::InstallPack)
    return std::nullopt;
  const std::optional<std::string> text = history.Kept(entry.Id, PackRecordName);
  return text ? ParsePackRecord(*text) : std::nullopt;
}

std::vector<TInstalledPack> InstalledPacks(const TGameHistory& history,
                                           const std::vector<THistoryEntry>& entries,
                                           const std::string& gameDirectory) {
  std::vector<TInstalledPack> packs;
  for (const THistoryEntry& entry : entries) {
    if (entry.Command != CommandNames::InstallPack || entry.Undone)
      continue;
    TInstalledPack pack;
    pack.Entry = &entry;
    pack.Record = PackRecordOf(history, entry);
    if (pack.Record) {
      const auto [found, recorded] = TakeEntriesNow(gameDirectory, pack);
      const TFilesNow files = PackFilesNow(history, entry);
      pack.Changed.insert(pack.Changed.end(), files.Changed.begin(), files.Changed.end());
      pack.State = found == 0 && !files.AnyAsWritten   ? TPackState::Removed
                   : found < recorded || files.AnyGone ? TPackState::PartlyRemoved
                   : !pack.Changed.empty()             ? TPackState::Changed
                                                       : TPackState::Installed;
    }
    packs.push_back(std::move(pack));
  }
  return packs;
}

} // namespace flightdeck
