// SPDX-License-Identifier: GPL-3.0-or-later
#include "packs/PackRemoval.h"

#include "journal/CommandNames.h"
#include "journal/KeptCopy.h"
#include "packs/InstalledPacks.h"
#include "packs/PackInLists.h"
#include "platform/AsciiCase.h"
#include "platform/PathNames.h"

#include <algorithm>
#include <set>
#include <utility>

namespace flightdeck {

namespace {

using TRemoval = TOutcome<TPackRemoval>;

// A file of the game by what the lists name it by: its folder and its name, without regard to
// case.
using TNamedFile = std::pair<std::string, std::string>;

TNamedFile NamedFile(std::string_view pathInGame) {
  const std::size_t slash = pathInGame.find('/');
  return {LowerCaseAscii(pathInGame.substr(0, slash)), LowerCaseAscii(ExtractFileName(pathInGame))};
}

TNamedFile NamedFile(TMissionType type, const std::string& file) {
  std::string_view folder = MissionTypeDir(type);
  folder.remove_suffix(1); // its separator
  return {LowerCaseAscii(folder), LowerCaseAscii(file)};
}

// The entry `id` of `entries`; null for none.
const THistoryEntry* EntryWithId(const std::vector<THistoryEntry>& entries, int id) {
  const auto found = std::find_if(entries.begin(), entries.end(),
                                  [id](const THistoryEntry& entry) { return entry.Id == id; });
  return found == entries.end() ? nullptr : &*found;
}

// The install of entry `id`, and the record kept with it; why it cannot be taken out if not.
std::optional<TMessage> FindInstall(const TGameHistory& history,
                                    const std::vector<THistoryEntry>& entries,
                                    const std::set<int>& out, int id, const THistoryEntry*& install,
                                    std::optional<TPackRecord>& record) {
  const THistoryEntry* found = EntryWithId(entries, id);
  if (!found || found->Command != CommandNames::InstallPack)
    return TMessage(
        TRANSLATABLE("Message", "Entry %1 of the history is not the install of a pack."),
        {std::to_string(id)});
  if (found->Undone)
    return TMessage(TRANSLATABLE("Message", "The pack \"%1\" is not installed: its install was "
                                            "undone."),
                    {found->Subject});
  if (out.count(id))
    return TMessage(TRANSLATABLE("Message", "The pack \"%1\" was taken out already."),
                    {found->Subject});
  install = found;
  record = PackRecordOf(history, *found);
  if (!record)
    return TMessage(TRANSLATABLE("Message",
                                 "The pack \"%1\" was installed before Flightdeck kept a record of "
                                 "what a pack adds, or its record is damaged, so it cannot be "
                                 "taken out on its own. Undo its install, or remove its entries."),
                    {found->Subject});
  return std::nullopt;
}

// The install of the pack that `install` replaced; null for none.
const THistoryEntry* ReplacedInstall(const TGameHistory& history,
                                     const std::vector<THistoryEntry>& entries,
                                     const THistoryEntry& install) {
  const std::optional<TPackRecord> record = PackRecordOf(history, install);
  if (!record || record->Replaces == 0)
    return nullptr;
  return EntryWithId(entries, record->Replaces);
}

// A file a pack's install wrote, and what the game held there before any pack it replaced
// wrote it: the install of `index`'s file, or of the same file of the pack it took out, and so
// on back.
struct TFileBefore {
  const THistoryEntry* Install = nullptr;
  std::size_t Index = 0;
};

TFileBefore FileBefore(const TGameHistory& history, const std::vector<THistoryEntry>& entries,
                       const THistoryEntry& install, std::size_t index) {
  TFileBefore before{&install, index};
  for (std::size_t steps = 0; steps < entries.size(); ++steps) {
    const THistoryFile& file = before.Install->Files[before.Index];
    const THistoryEntry* replaced =
        file.Existed ? ReplacedInstall(history, entries, *before.Install) : nullptr;
    if (!replaced)
      break;
    const auto same = std::find_if(
        replaced->Files.begin(), replaced->Files.end(),
        [&](const THistoryFile& other) { return SameTextAscii(other.Path, file.Path); });
    if (same == replaced->Files.end() || same->After != file.Before)
      break; // not the file that pack left
    before = {replaced, static_cast<std::size_t>(same - replaced->Files.begin())};
  }
  return before;
}

// Whether the file `path` (below the game) was made by the install, or by a pack it replaced.
bool MadeByPack(const TGameHistory& history, const std::vector<THistoryEntry>& entries,
                const THistoryEntry& install, const std::string& path) {
  const THistoryEntry* at = &install;
  for (std::size_t steps = 0; at && steps < entries.size(); ++steps) {
    const auto file = std::find_if(at->Files.begin(), at->Files.end(), [&](const THistoryFile& f) {
      return SameTextAscii(f.Path, path);
    });
    if (file != at->Files.end()) {
      const TFileBefore before =
          FileBefore(history, entries, *at, static_cast<std::size_t>(file - at->Files.begin()));
      return !before.Install->Files[before.Index].Existed;
    }
    // Left as it was: as the pack it replaced left it, if any.
    at = ReplacedInstall(history, entries, *at);
  }
  return false;
}

// The records of the list that stay once the pack goes; the steps of those that go, and where
// the first of them was, join `removal`.
TListItemRefs WhatStays(const TPackList& found, const std::string& name, TPackRemoval& removal) {
  const TXvTListFile& list = *found.List->File;
  TListItemRefs stays;
  for (std::size_t i = 0; i < found.Stays.size(); ++i) {
    TListFileItem* item = found.List->Items[i];
    if (found.Stays[i]) {
      stays.push_back(item);
      continue;
    }
    if (stays.size() == i) // the first to go
      removal.Places.emplace_back(TMissionListId{list.MissionType(), list.Gender()}, i);
    removal.Steps.push_back({TPackRemovalStep::RemoveEntry, name, item->Kind, item->Title,
                             item->FileName, std::nullopt});
  }
  return stays;
}

void AddNames(const TListItemRefs& items, TMissionType type, std::set<TNamedFile>& named) {
  for (const TListFileItem* item : items)
    if (!item->FileName.empty())
      named.insert(NamedFile(type, item->FileName));
}

// Stages the lists without the pack's entries; the files that the entries of the lists of its
// folders still name.
std::set<TNamedFile> StageLists(TFileTransaction& staging, TFilesRead& read,
                                const TGameHistory& history, TGameLists& lists,
                                const std::vector<THistoryEntry>& entries,
                                const THistoryEntry& install, const TPackRecord& record,
                                TPackRemoval& removal) {
  std::set<TNamedFile> named;
  std::set<std::pair<TMissionType, TGender>> written;
  for (const TPackList& found : FindPackInLists(lists, record)) {
    const TXvTListFile& list = *found.List->File;
    written.emplace(list.MissionType(), list.Gender());
    read.insert(read.end(), list.FilesRead().begin(), list.FilesRead().end());
    const std::string name = history.PathInGame(HostPath(list.FileName()));
    const TListItemRefs stays = WhatStays(found, name, removal);
    AddNames(stays, list.MissionType(), named);
    // A list the pack made (or a pack it replaced), left empty, goes with it.
    if (stays.empty() && MadeByPack(history, entries, install, name))
      staging.StageRemoval(HostPath(list.FileName()));
    else if (stays.size() != found.Stays.size())
      list.SaveToFile(stays, staging);
  }
  for (const TMissionListId& id : record.Lists)
    for (const TGender side : {gnNeutral, gnRebel, gnImperial})
      if (!written.count({id.Type, side}))
        AddNames(lists.Of({id.Type, side}).Items, id.Type, named);
  return named;
}

// Why the file of the install at `index` stays as it is; nothing when it goes or comes back as
// it was before the pack (or the packs it replaced) wrote it. `restored` says which.
std::optional<TMessage> StageFile(TFileTransaction& staging, const TGameHistory& history,
                                  const THistoryEntry& install, std::size_t index,
                                  const TFileBefore& before, const std::set<TNamedFile>& named,
                                  const std::string& now) {
  const THistoryFile& file = install.Files[index];
  if (!history.IsWhereWritten(file))
    return TMessage::Own(
        TRANSLATABLE("Message", "it is no longer in the folder the pack wrote it in"));
  if (now != file.After)
    return TMessage::Own(TRANSLATABLE("Message", "it changed since the pack wrote it"));
  const THostPath host = history.HostPathOf(file);
  const THistoryFile& original = before.Install->Files[before.Index];
  if (original.Existed)
    return StageKeptCopy(staging, history.BeforePath(before.Install->Id, before.Index),
                         original.Before, host);
  if (named.count(NamedFile(file.Path)))
    return TMessage::Own(TRANSLATABLE("Message", "an entry of the lists names it still"));
  staging.StageRemoval(host);
  return std::nullopt;
}

// Stages taking out the files of the install, and those of the packs it replaced that it left as
// they were; a step each.
void StageFiles(TFileTransaction& staging, TFilesRead& read, const TGameHistory& history,
                const std::vector<THistoryEntry>& entries, const THistoryEntry& install,
                const std::set<TNamedFile>& named, const std::string& gameDirectory,
                TPackRemoval& removal) {
  std::set<std::string> seen;
  std::size_t steps = 0; // a damaged history may name the packs replaced in a circle
  for (const THistoryEntry* at = &install; at && steps++ < entries.size();
       at = ReplacedInstall(history, entries, *at)) {
    history.RecallFilesLeft(*at); // a file still as the install left it is not read
    for (const std::size_t index : PackFileIndexes(*at)) {
      const THistoryFile& file = at->Files[index];
      if (!seen.insert(LowerCaseAscii(file.Path)).second)
        continue;
      const std::string now = history.Digests().Digest(history.HostPathOf(file));
      if (now == "-")
        continue; // gone already
      const TFileBefore before = FileBefore(history, entries, *at, index);
      std::optional<TMessage> kept = StageFile(staging, history, *at, index, before, named, now);
      const auto action = kept ? TPackRemovalStep::KeepFile
                          : before.Install->Files[before.Index].Existed
                              ? TPackRemovalStep::RestoreFile
                              : TPackRemovalStep::RemoveFile;
      if (!kept) // the file goes or comes back as long as it stays what it is now
        read.push_back({gameDirectory + file.Path, now, std::nullopt});
      removal.Steps.push_back({action, {}, likCampaign, {}, file.Path, std::move(kept)});
    }
  }
}

} // namespace

TRemoval StagePackRemoval(TFileTransaction& staging, TFilesRead& read, const TGameHistory& history,
                          const std::string& gameDirectory, int id) {
  const std::vector<THistoryEntry> entries = history.Entries();
  const THistoryEntry* install = nullptr;
  std::optional<TPackRecord> record;
  const std::set<int> out = PacksTakenOut(history, entries);
  if (std::optional<TMessage> refused = FindInstall(history, entries, out, id, install, record))
    return TRemoval::Failure(std::move(*refused));
  // The packs installed since hold their own entries first.
  TGameLists lists(gameDirectory);
  for (auto later = entries.rbegin(); &*later != install; ++later)
    if (!later->Undone && !out.count(later->Id))
      if (const std::optional<TPackRecord> laterRecord = PackRecordOf(history, *later))
        FindPackInLists(lists, *laterRecord);
  TPackRemoval removal{install->Subject, {}, {}};
  const std::set<TNamedFile> named =
      StageLists(staging, read, history, lists, entries, *install, *record, removal);
  StageFiles(staging, read, history, entries, *install, named, gameDirectory, removal);
  return removal;
}

namespace {

// The session records what it takes out, by the pack's name and its install's entry.
void RecordRemoval(TSession& session, const TPackRemoval& removal, int id) {
  session.SetSubject(removal.Pack);
  session.KeepWithEntry(PackRemovedName, std::to_string(id));
}

} // namespace

TRemoval RemovePack(TSession& session, int id) {
  TFilesRead read;
  TRemoval removal =
      StagePackRemoval(session.Files(), read, session.History(), session.GameDirectory(), id);
  session.Expect(read);
  if (removal)
    RecordRemoval(session, removal.Value(), id);
  return removal;
}

void RemovePlannedPack(TSession& session, TFileTransaction& staging, const TFilesRead& read,
                       const TPackRemoval& removal, int id) {
  session.Expect(read);
  session.Files().TakeOver(staging);
  RecordRemoval(session, removal, id);
}

} // namespace flightdeck
