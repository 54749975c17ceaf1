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

// Finds the entries the pack added, as many of each as it added: first those still of the title
// it gave them, then any of the same file; of several alike, the last ones, as a pack's entries
// went in after what the list held.
void FindEntries(TPackList& found, const std::vector<TPackRecordEntry>& recorded) {
  std::map<std::string, int> left;                           // by file: how many are still to find
  std::map<std::pair<std::string, std::string>, int> titled; // by file and title
  for (const TPackRecordEntry& entry : recorded)
    if (!IsGroupHeader(entry.Kind)) {
      ++left[Key(entry.Kind, entry.File)];
      ++titled[{Key(entry.Kind, entry.File), entry.Title}];
    }
  for (const bool byTitle : {true, false})
    for (std::size_t i = found.Pack.size(); i-- > 0;) {
      const TListFileItem& item = *found.List->Items[i];
      if (IsGroupHeader(item.Kind) || found.List->Claimed[i] || found.Pack[i])
        continue;
      const std::string key = Key(item.Kind, item.FileName);
      const auto remaining = left.find(key);
      if (remaining == left.end() || remaining->second == 0)
        continue;
      if (byTitle) {
        const auto same = titled.find({key, item.Title});
        if (same == titled.end() || same->second == 0)
          continue;
        --same->second;
      }
      --remaining->second;
      found.Pack[i] = true;
    }
}

using THolders = std::map<std::string, std::set<std::size_t>>;

// The groups of the list that hold each of the pack's entries found.
THolders GroupsHolding(const TPackList& found) {
  THolders holders;
  std::optional<std::size_t> group;
  for (std::size_t i = 0; i < found.List->Items.size(); ++i) {
    const TListFileItem& item = *found.List->Items[i];
    if (IsGroupHeader(item.Kind))
      group = i;
    else if (found.Pack[i] && group)
      holders[Key(item.Kind, item.FileName)].insert(*group);
  }
  return holders;
}

// Whether the record at `i` of the list is a group of `kind` that no pack holds yet.
bool IsFreeGroup(const TPackList& found, std::size_t i, TListItemKind kind) {
  return found.List->Items[i]->Kind == kind && !found.Pack[i] && !found.List->Claimed[i];
}

// The group of the list that is the pack's group `r` of `recorded`: the one holding most of the
// entries the pack put under it; for a group it put nothing under, the first of its title.
std::optional<std::size_t> GroupOf(const TPackList& found,
                                   const std::vector<TPackRecordEntry>& recorded, std::size_t r,
                                   const THolders& holders) {
  const TPackRecordEntry& group = recorded[r];
  std::set<std::string> ours;
  for (std::size_t e = r + 1; e < recorded.size() && !IsGroupHeader(recorded[e].Kind); ++e)
    ours.insert(Key(recorded[e].Kind, recorded[e].File));
  if (ours.empty()) {
    for (std::size_t i = 0; i < found.Pack.size(); ++i)
      if (IsFreeGroup(found, i, group.Kind) && found.List->Items[i]->Title == group.Title)
        return i;
    return std::nullopt;
  }
  std::map<std::size_t, std::size_t> shared; // group of the list -> entries it holds of ours
  for (const std::string& key : ours)
    if (const auto held = holders.find(key); held != holders.end())
      for (const std::size_t holder : held->second)
        ++shared[holder];
  std::optional<std::size_t> best;
  for (const auto& [holder, count] : shared)
    if (IsFreeGroup(found, holder, group.Kind) && (!best || count > shared[*best]))
      best = holder;
  return best;
}

void FindGroups(TPackList& found, const std::vector<TPackRecordEntry>& recorded) {
  const THolders holders = GroupsHolding(found);
  for (std::size_t r = 0; r < recorded.size(); ++r)
    if (IsGroupHeader(recorded[r].Kind))
      if (const std::optional<std::size_t> group = GroupOf(found, recorded, r, holders))
        found.Pack[*group] = true;
}

// A group, battle or tournament of the pack goes with the pack when nothing stays below it.
void FindWhatStays(TPackList& found) {
  const std::size_t count = found.List->Items.size();
  for (std::size_t i = 0; i < count; ++i)
    found.Stays[i] = !(found.Pack[i] && IsMission(found.List->Items[i]->Kind));
  for (const int depth : {1, 0})
    for (std::size_t i = 0; i < count; ++i) {
      if (!found.Pack[i] || IsMission(found.List->Items[i]->Kind) ||
          Depth(found.List->Items[i]->Kind) != depth)
        continue;
      bool anyStays = false;
      for (std::size_t j = i + 1; j < count && Depth(found.List->Items[j]->Kind) > depth; ++j)
        anyStays = anyStays || found.Stays[j];
      found.Stays[i] = anyStays;
    }
}

} // namespace

TGameLists::TList& TGameLists::Of(const TMissionListId& id) {
  const auto [at, added] = FLists.try_emplace({id.Type, id.Side});
  TList& list = at->second;
  if (added) {
    list.File = std::make_unique<TXvTListFile>(FGame, id.Type, id.Side);
    list.File->LoadFromFile();
    list.Items = list.File->ItemRefs();
    list.Claimed.assign(list.Items.size(), false);
  }
  return list;
}

std::vector<TPackList> FindPackInLists(TGameLists& lists, const TPackRecord& record) {
  std::vector<TPackList> found;
  for (std::size_t at = 0; at < record.Lists.size(); ++at) {
    TPackList list;
    list.List = &lists.Of(record.Lists[at]);
    list.Pack.assign(list.List->Items.size(), false);
    list.Stays.assign(list.List->Items.size(), true);
    std::vector<TPackRecordEntry> recorded;
    for (const TPackRecordEntry& entry : record.Entries)
      if (entry.List == at)
        recorded.push_back(entry);
    FindEntries(list, recorded);
    FindGroups(list, recorded);
    FindWhatStays(list);
    for (std::size_t i = 0; i < list.Pack.size(); ++i)
      if (list.Pack[i])
        list.List->Claimed[i] = true;
    found.push_back(std::move(list));
  }
  return found;
}

} // namespace flightdeck
