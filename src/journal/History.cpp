// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/History.h"

#include "journal/CommandNames.h"
#include "platform/ContentDigest.h"
#include "platform/HostFiles.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "platform/Limits.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <numeric>
#include <optional>

namespace flightdeck {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void RaiseHistoryError(const THostPath& folder, const std::string& path,
                                    int error = LastHostError()) {
  throw EInOutError(error, path,
                    {TRANSLATABLE("Message", "The history of this game cannot be written in "
                                             "\"%1\": %2. Nothing was changed."),
                     {folder.Native(), EInOutError::ReasonFor(error)}});
}

std::string NowUtc() {
  const std::time_t now = std::time(nullptr);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", std::gmtime(&now));
  return text;
}

// The folder itself, whatever path reaches it: "volume:index"; "-" when it is not there.
std::string FolderIdentity(const THostPath& hostFolder) {
  const std::optional<THostFileState> state = HostFileState(hostFolder);
  return state && state->Directory ? state->Identity() : "-";
}

// FolderIdentity of `hostFolder`, taken once among `folders`.
const std::string& FolderIdentityOnce(const THostPath& hostFolder,
                                      std::map<THostPath, std::string>& folders) {
  auto [identity, added] = folders.try_emplace(hostFolder);
  if (added)
    identity->second = FolderIdentity(hostFolder);
  return identity->second;
}

// The real path of a host path: its folder with every link followed, and its name. Each folder
// is resolved once for all the paths given with the same `resolved` map.
THostPath RealPathOf(const THostPath& hostPath, std::map<THostPath, std::string>& resolved) {
  const std::string& path = hostPath.Native();
  const std::size_t slash = path.rfind('/');
  const THostPath folder = hostPath.Parent();
  auto found = resolved.find(folder);
  if (found == resolved.end()) {
    const THostPath real = RealHostPath(folder);
    if (real.Empty())
      return hostPath;
    found = resolved.emplace(folder, real.Native() == "/" ? "" : real.Native()).first;
  }
  return THostPath(found->second + "/" +
                   (slash == std::string::npos ? path : path.substr(slash + 1)));
}

// The size as a digest gives it.
std::string SizeText(std::uint64_t size) {
  char text[24];
  std::snprintf(text, sizeof text, "%llx", static_cast<unsigned long long>(size));
  return text;
}

std::uint64_t FolderSize(const THostPath& folder) {
  std::uint64_t size = 0;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder.Native(), error))
    if (entry.is_regular_file(error))
      size += entry.file_size(error);
  return size;
}

// A number kept in a file of the history; none when it cannot be read.
std::optional<std::uint64_t> ReadNumber(const THostPath& path) {
  try {
    const std::string text = ReadHostFile(path, 20);
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 10);
    if (text.empty() || text.size() > 15 || *end != '\0')
      return std::nullopt; // not one of ours: counted again
    return value;
  } catch (const EInOutError&) {
    return std::nullopt;
  }
}

// Writes `bytes` as the whole of a file of the history, on disk before it returns when
// `synced`; false when it could not.
bool WriteHistoryFile(const THostPath& path, std::string_view bytes, bool synced) {
  THostFile file = THostFile::CreatePrivate(path);
  return file.IsOpen() && file.WriteAll(bytes) && (!synced || file.Sync()) && file.Close();
}

// Best effort: a number that is not written is counted again when it is needed.
void WriteNumber(const THostPath& path, std::uint64_t value) {
  (void)WriteHistoryFile(path, std::to_string(value), false);
}

// Keeps the old content of `hostPath`, in state `before` a moment ago, at `keptPath`: a second
// link to it where the file system allows, which costs nothing, else a copy. Returns the digest
// of what was kept.
std::string KeepContent(const THostPath& hostPath, const std::optional<THostFileState>& before,
                        const THostPath& keptPath, const THostPath& folder, TDigestMemo& digests) {
  try {
    // Mostly read just before, by the check that it is what the command left.
    const std::string digestBefore = digests.Digest(hostPath, before);
    if (!LinkHostFile(hostPath, keptPath)) {
      TContentDigest digest;
      THostFile kept = THostFile::CreatePrivate(keptPath);
      if (!kept.IsOpen())
        RaiseLastIOError(keptPath.Native());
      ReadHostPieces(hostPath, [&](std::string_view piece) {
        digest.Add(piece);
        if (!kept.WriteAll(piece))
          RaiseLastIOError(keptPath.Native());
      });
      if (!kept.Close())
        RaiseLastIOError(keptPath.Native());
      return digest.Text();
    }
    const std::optional<THostFileState> kept = HostFileState(keptPath);
    return before && kept && kept->IsUnwrittenSince(*before) ? digestBefore
                                                             : HostFileDigest(keptPath);
  } catch (const EInOutError& error) {
    RaiseHistoryError(folder, error.Path(), error.ErrorCode());
  }
}

} // namespace

bool CanBeUndone(const THistoryEntry& entry) {
  return std::none_of(entry.Files.begin(), entry.Files.end(),
                      [](const THistoryFile& file) { return file.Existed && file.Before.empty(); });
}

bool IsLeftToUndo(const THistoryEntry& entry) {
  return !entry.Undone && entry.Command != CommandNames::Undo;
}

const THistoryEntry* NextToUndo(const std::vector<THistoryEntry>& entries) {
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
    if (IsLeftToUndo(*entry) && CanBeUndone(*entry))
      return &*entry;
  return nullptr;
}

const THistoryEntry* NextToRedo(const std::vector<THistoryEntry>& entries) {
  // Redos of earlier undos do not stand in the way of the undos before them.
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
    if (entry->Undone || entry->Command == CommandNames::Redo)
      continue;
    return entry->Command == CommandNames::Undo ? &*entry : nullptr;
  }
  return nullptr;
}

TGameHistory::TGameHistory(std::string_view gameDirectory, const THistoryPlace& place)
    : FLimit(place.Limit) {
  std::string host = HostPath(gameDirectory).Native();
  while (host.size() > 1 && host.back() == '/')
    host.pop_back();
  FGameAsGiven = THostPath(host);
  const THostPath real = RealHostPath(FGameAsGiven);
  FGame = real.Empty() ? FGameAsGiven : real;
  TContentDigest key;
  key.Add(FGame.Native());
  const std::string digest = key.Text();
  FFolder = (place.Root.Empty() ? HostDataFolder() : place.Root) / "history" /
            digest.substr(digest.find(':') + 1);
}

THostPath TGameHistory::EntryFolder(int id) const {
  return FFolder / HistoryFolderName(id);
}

std::vector<int> TGameHistory::EntryIds() const {
  std::vector<int> ids;
  for (const std::string& name : ReadHostFolder(FFolder))
    if (const std::optional<int> id = HistoryIdOf(name))
      ids.push_back(*id);
  std::sort(ids.begin(), ids.end());
  return ids;
}

std::optional<THistoryEntry> TGameHistory::ReadEntry(int id) const {
  THistoryEntry entry;
  entry.Id = id;
  try {
    if (ParseHistoryRecord(ReadHostFile(EntryFolder(id) / "entry", MaxHistoryRecordSize), entry))
      return entry;
  } catch (const EInOutError&) {
    // not readable: no entry
  }
  return std::nullopt;
}

std::string TGameHistory::GameIdentity() const {
  const std::optional<THostFileState> state = HostFileState(FGame);
  return state ? state->Identity() : "";
}

THostPath TGameHistory::BeforePath(int id, std::size_t index) const {
  return EntryFolder(id) / ("before-" + std::to_string(index));
}

std::string TGameHistory::PathInGame(const THostPath& hostPath) const {
  std::map<THostPath, std::string> resolved;
  return RelativeToGame(hostPath, RealPathOf(hostPath, resolved));
}

std::string TGameHistory::RelativeToGame(const THostPath& hostPath,
                                         const THostPath& realPath) const {
  // As the game names it, through a folder linked elsewhere too; else by where it really is.
  for (const THostPath* game : {&FGameAsGiven, &FGame})
    for (const THostPath* path : {&hostPath, &realPath}) {
      const std::string& text = path->Native();
      const std::string& folder = game->Native();
      if (text.size() > folder.size() + 1 && text.starts_with(folder + "/"))
        return text.substr(folder.size() + 1);
    }
  return realPath.Native();
}

THostPath TGameHistory::HostPathOf(const THistoryFile& file) const {
  return FGame / file.Path; // entries read back name only files below the game
}

bool TGameHistory::IsWhereWritten(const THistoryFile& file) const {
  std::map<THostPath, std::string> folders;
  return IsWhereWritten(file, folders);
}

bool TGameHistory::IsWhereWritten(const THistoryFile& file,
                                  std::map<THostPath, std::string>& folders) const {
  // The file's folder, through every link, as a replacement of the file reaches it.
  const THostPath folder = FollowHostLink(HostPathOf(file)).Parent();
  if (file.Folder.empty())
    return RealHostPath(folder) == HostPathOf(file).Parent(); // named as it really was
  return FolderIdentityOnce(folder, folders) == file.Folder;
}

std::vector<THistoryEntry> TGameHistory::Entries() const {
  std::vector<THistoryEntry> entries;
  for (const int id : EntryIds())
    if (!HostEntryExists(EntryFolder(id) / "pending"))
      if (std::optional<THistoryEntry> entry = ReadEntry(id))
        entries.push_back(std::move(*entry));
  // An entry is undone when a later one, not undone itself, took it back.
  std::map<int, THistoryEntry*> byId;
  for (THistoryEntry& entry : entries)
    byId[entry.Id] = &entry;
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
    if (!entry->Undone && byId.count(entry->Undoes))
      byId[entry->Undoes]->Undone = true;
  return entries;
}

std::vector<THistoryEntry> TGameHistory::Interrupted() const {
  std::vector<THistoryEntry> entries;
  for (const int id : EntryIds())
    if (HostEntryExists(EntryFolder(id) / "pending")) {
      THistoryEntry unreadable;
      unreadable.Id = id;
      entries.push_back(ReadEntry(id).value_or(unreadable));
    }
  return entries;
}

int TGameHistory::Begin(const std::string& command, const std::string& subject, int undoes,
                        const std::vector<TChange>& all) {
  // A command that writes every file again with the bytes it holds changes nothing, and is
  // recorded as nothing. Sizes tell most changes; contents are compared only when they do not.
  std::vector<TChange> changes;                      // with real paths
  std::vector<std::string> paths;                    // as the entry names them
  std::vector<std::optional<THostFileState>> states; // before the command
  std::vector<TChange> sameSize;
  std::map<THostPath, std::string> resolved;
  for (const TChange& change : all) {
    THostPath real = RealPathOf(change.HostPath, resolved);
    const std::optional<THostFileState> state = HostFileState(real);
    const bool exists = state.has_value();
    if (!exists && change.After == "-")
      continue; // removing what is not there
    if (exists && change.After != "-" &&
        change.After.substr(0, change.After.find(':')) == SizeText(state->Size))
      sameSize.push_back({real, change.After});
    states.push_back(state);
    paths.push_back(RelativeToGame(change.HostPath, real));
    changes.push_back({std::move(real), change.After});
  }
  if (changes.size() == sameSize.size() &&
      std::all_of(sameSize.begin(), sameSize.end(), [this](const TChange& change) {
        return FDigests.Digest(change.HostPath) == change.After;
      }))
    return 0;
  std::error_code error;
  fs::create_directories(FFolder.Native(), error);
  if (error)
    RaiseHistoryError(FFolder, FFolder.Native(), error.value());
  std::vector<int> ids = EntryIds();
  if (!ids.empty() && ids.back() + 1 >= LastHistoryId)
    ids = Renumbered(ids); // the last id is set aside by recovery
  const int id = ids.empty() ? 1 : ids.back() + 1;
  const THostPath folder = EntryFolder(id);
  if (!MakeHostDirectory(folder))
    RaiseHistoryError(FFolder, folder.Native());
  // While it is there, the entry's files may be half in place.
  if (!WriteHistoryFile(folder / "pending", {}, false))
    RaiseHistoryError(FFolder, (folder / "pending").Native());
  THistoryEntry entry{id, NowUtc(), command, subject, undoes, GameIdentity(), {}, false};
  std::map<THostPath, std::string> folders; // each folder's identity, taken once
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const THostPath& path = changes[i].HostPath;
    const bool existed = states[i] && states[i]->Regular;
    entry.Files.push_back(
        {paths[i], existed,
         existed ? KeepContent(path, states[i], BeforePath(id, i), FFolder, FDigests) : "-",
         changes[i].After, FolderIdentityOnce(path.Parent(), folders)});
  }
  const THostPath partial = folder / "entry.partial";
  if (!WriteHistoryFile(partial, HistoryRecordText(entry), true) ||
      !RenameHostFile(partial, folder / "entry"))
    RaiseHistoryError(FFolder, partial.Native());
  return id;
}

void TGameHistory::KeepWithEntry(int id, const std::string& name, std::string_view bytes) {
  const THostPath path = EntryFolder(id) / name;
  if (!WriteHistoryFile(path, bytes, true))
    RaiseHistoryError(FFolder, path.Native());
}

std::optional<std::string> TGameHistory::Kept(int id, const std::string& name) const {
  try {
    return ReadHostFile(EntryFolder(id) / name, MaxHistoryRecordSize);
  } catch (const EInOutError&) {
    return std::nullopt;
  }
}

bool TGameHistory::BeginWork() {
  const THostPath mark = FFolder / "working";
  if (HostEntryExists(mark))
    return true;
  // Best effort: without its mark, what a command cut short leaves waits for the window.
  std::error_code ignored;
  fs::create_directories(FFolder.Native(), ignored);
  (void)WriteHistoryFile(mark, {}, false);
  return false;
}

void TGameHistory::EndWork() {
  RemoveHostFile(FFolder / "working");
}

std::vector<int> TGameHistory::Renumbered(const std::vector<int>& ids) {
  // From the oldest, each entry takes the first free number, so none is taken twice. What an
  // entry undoes comes before it, and has its new number by then. (Cut short on the way, an
  // entry may name an undone one by its old number: that one then looks not undone, and its
  // undo is refused as its files changed since.)
  std::map<int, int> renumbered;
  for (std::size_t i = 0; i < ids.size(); ++i)
    renumbered[ids[i]] = static_cast<int>(i) + 1;
  for (const auto& [old, id] : renumbered) {
    std::optional<THistoryEntry> entry = ReadEntry(old);
    if (entry && renumbered.count(entry->Undoes)) {
      entry->Undoes = renumbered[entry->Undoes];
      const THostPath partial = EntryFolder(old) / "entry.partial";
      if (!WriteHistoryFile(partial, HistoryRecordText(*entry), true) ||
          !RenameHostFile(partial, EntryFolder(old) / "entry"))
        RaiseHistoryError(FFolder, partial.Native());
    }
    if (old != id && !RenameHostFile(EntryFolder(old), EntryFolder(id)))
      RaiseHistoryError(FFolder, EntryFolder(old).Native());
  }
  return EntryIds();
}

std::vector<std::optional<THostFileState>>
TGameHistory::RecallFilesLeft(const THistoryEntry& entry) const {
  std::vector<std::optional<THostFileState>> states(entry.Files.size());
  std::string text;
  try {
    text = ReadHostFile(EntryFolder(entry.Id) / "left", MaxHistoryRecordSize);
  } catch (const EInOutError&) {
    return states; // the files are read
  }
  for (const THistoryFileLeft& left : ParseFilesLeft(text, entry.Files.size())) {
    const THistoryFile& file = entry.Files[left.File];
    if (file.After == "-")
      continue;
    states[left.File] = HostFileState(HostPathOf(file));
    if (states[left.File] == left.State)
      FDigests.Remember(left.State, file.After);
  }
  return states;
}

void TGameHistory::Finish(int id, const std::vector<THistoryFileLeft>& left) {
  RemoveHostFile(EntryFolder(id) / "pending");
  (void)WriteHistoryFile(EntryFolder(id) / "left", FilesLeftText(left), false); // best effort
  // The history's size is kept as a running total beside its entries: a command below the
  // limit reads one number, not every entry.
  const std::uint64_t size = FolderSize(EntryFolder(id));
  const std::vector<int> ids = EntryIds();
  const std::optional<std::uint64_t> kept = ReadNumber(FFolder / "size");
  std::uint64_t total = kept ? *kept + size : FLimit + 1;
  // The numbers kept only say when to look: nothing goes for space but by sizes measured.
  if (total > FLimit)
    total = std::accumulate(
        ids.begin(), ids.end(), std::uint64_t(0),
        [&](std::uint64_t sum, int entry) { return sum + FolderSize(EntryFolder(entry)); });
  std::error_code error;
  for (std::size_t oldest = 0; total > FLimit && oldest + 1 < ids.size(); ++oldest) {
    total -= std::min(total, FolderSize(EntryFolder(ids[oldest])));
    fs::remove_all(EntryFolder(ids[oldest]).Native(), error);
  }
  WriteNumber(FFolder / "size", total);
}

} // namespace flightdeck
