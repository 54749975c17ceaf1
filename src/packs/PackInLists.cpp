// SPDX-License-Identifier: GPL-3.0-or-later
#include "packs/PackInLists.h"

#include "platform/AsciiCase.h"

#include <map>
#include <optional>
#include <set>

namespace flightdeck {

namespace {

// How deep a record lies: groups, then engagements, battles and tournaments, then the missions
// of a battle or tournament.
int Depth(TListItemKind kind) {
  if (IsGroupHeader(kind))
    return 0;
  return kind == likOperation || kind == likContest ? 2 : 1;
}

// What finds an entry again: its kind of file, and the file's name without regard to case.
std::string Key(TListItemKind kind, const std::string& file) {
  return (HasBattleFile(kind) ? "b:" : "m:") + LowerCaseAscii(file);
}

void FindEntries(TPackList& found, const std::vector<TPackRecordEntry>& recorded) {
  std::map<std::string, int> left; // how many of each the pack added, still to find
  for (const TPackRecordEntry& entry : recorded)
    if (!IsGroupHeader(entry.Kind))
      ++left[Key(entry.Kind, entry.File)];
  for (std::size_t i = 0; i < found.Items.size(); ++i) {
    const TListFileItem& item = *found.Items[i];
    if (IsGroupHeader(item.Kind))
      continue;
    const auto remaining = left.find(Key(item.Kind, item.FileName));
    if (remaining != left.end() && remaining->second > 0) {
      --remaining->second;
      found.Pack[i] = true;
    }
  }
}

void FindGroups(TPackList& found, const std::vector<TPackRecordEntry>& recorded) {
  // The groups of the list that hold each of the pack's entries found.
  std::map<std::string, std::set<std::size_t>> holders;
  std::optional<std::size_t> group;
  for (std::size_t i = 0; i < found.Items.size(); ++i) {
    const TListFileItem& item = *found.Items[i];
    if (IsGroupHeader(item.Kind))
      group = i;
    else if (found.Pack[i] && group)
      holders[Key(item.Kind, item.FileName)].insert(*group);
  }
  for (std::size_t r = 0; r < recorded.size(); ++r) {
    if (!IsGroupHeader(recorded[r].Kind))
      continue;
    std::map<std::size_t, std::size_t> shared; // group of the list -> entries it holds of ours
    std::set<std::string> ours;
    for (std::size_t e = r + 1; e < recorded.size() && !IsGroupHeader(recorded[e].Kind); ++e)
      ours.insert(Key(recorded[e].Kind, recorded[e].File));
    for (const std::string& key : ours)
      if (const auto held = holders.find(key); held != holders.end())
        for (const std::size_t holder : held->second)
          ++shared[holder];
    std::optional<std::size_t> best;
    for (const auto& [holder, count] : shared)
      if (found.Items[holder]->Kind == recorded[r].Kind && !found.Pack[holder] &&
          (!best || count > shared[*best]))
        best = holder;
    if (best)
      found.Pack[*best] = true;
  }
}

// A group, battle or tournament of the pack goes with the pack when nothing stays below it.
void FindWhatStays(TPackList& found) {
  const std::size_t count = found.Items.size();
  for (std::size_t i = 0; i < count; ++i)
    found.Stays[i] = !(found.Pack[i] && IsMission(found.Items[i]->Kind));
  for (const int depth : {1, 0})
    for (std::size_t i = 0; i < count; ++i) {
      if (!found.Pack[i] || IsMission(found.Items[i]->Kind) || Depth(found.Items[i]->Kind) != depth)
        continue;
      bool anyStays = false;
      for (std::size_t j = i + 1; j < count && Depth(found.Items[j]->Kind) > depth; ++j)
        anyStays = anyStays || found.Stays[j];
      found.Stays[i] = anyStays;
    }
}

} // namespace

std::vector<TPackList> FindPackInLists(const std::string& gameDirectory,
                                       const TPackRecord& record) {
  std::vector<TPackList> lists;
  for (std::size_t at = 0; at < record.Lists.size(); ++at) {
    TPackList found;
    found.List =
        std::make_unique<TXvTListFile>(gameDirectory, record.Lists[at].Type, record.Lists[at].Side);
    found.List->LoadFromFile();
    found.Items = found.List->ItemRefs();
    found.Pack.assign(found.Items.size(), false);
    found.Stays.assign(found.Items.size(), true);
    std::vector<TPackRecordEntry> recorded;
    for (const TPackRecordEntry& entry : record.Entries)
      if (entry.List == at)
        recorded.push_back(entry);
    FindEntries(found, recorded);
    FindGroups(found, recorded);
    FindWhatStays(found);
    lists.push_back(std::move(found));
  }
  return lists;
}

} // namespace flightdeck
