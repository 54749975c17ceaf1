// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/HistoryRecord.h"
#include "platform/ContentDigest.h"
#include "platform/HostPath.h"
#include "platform/Message.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flightdeck {

// Whether an entry can be taken back: not one of the first version's records that replaced a
// file, which kept no digest to check its kept copy by.
bool CanBeUndone(const THistoryEntry& entry);
// Whether the Edit menu's undo may come to an entry: not undone, and not an undo itself.
bool IsLeftToUndo(const THistoryEntry& entry);
// What Undo and Redo of a program's Edit menu take back: the newest entry not undone that is
// not itself an undo, passing over those that cannot be undone; and the newest undo not undone, as
// long as nothing but undos and redos was done since. Null for none.
const THistoryEntry* NextToUndo(const std::vector<THistoryEntry>& entries);
const THistoryEntry* NextToRedo(const std::vector<THistoryEntry>& entries);

constexpr std::uint64_t DefaultHistoryLimit = 512ULL << 20;

// Where the histories of all games are kept, and how large each may grow.
struct THistoryPlace {
  // By default the host's data folder of the program (HostDataFolder: $XDG_DATA_HOME/flightdeck,
  // else ~/.local/share/flightdeck; on Windows %LOCALAPPDATA%\Flightdeck). One folder a game,
  // named after the game directory's real path.
  THostPath Root;
  // How many bytes a game's history may hold; the oldest entries go, whole, beyond it.
  std::uint64_t Limit = DefaultHistoryLimit;
};

// The history of one game directory. It lives outside the game, and records each command as
// a journal: the files' old contents are kept, with their digests, before the first one is
// replaced, so that a command cut short can be rolled back by the next one. The history is a
// safety net that must survive damage itself: an entry that cannot be trusted is set aside in
// the folder "damaged", told about, and never written into the game. Failures raise
// EInOutError with a message that names the history.
class TGameHistory {
public:
  explicit TGameHistory(std::string_view gameDirectory, const THistoryPlace& place = {});

  const THostPath& Folder() const { return FFolder; }
  // The entries, oldest first; an entry that cannot be read is left out.
  std::vector<THistoryEntry> Entries() const;
  // The commands that were cut short, waiting for the next command that changes the game to
  // roll them back; one that cannot be read carries its id alone.
  std::vector<THistoryEntry> Interrupted() const;

  // A file a transaction is about to put in place: its host path and the digest of its new
  // content, or "-" when it is to be removed.
  struct TChange {
    THostPath HostPath;
    std::string After;
  };
  // Records the old state of every file of `changes` before any of them changes; returns the
  // entry's id, for Finish or RollBack, or 0 when no file would change.
  int Begin(const std::string& command, const std::string& subject, int undoes,
            const std::vector<TChange>& changes);
  // Every file is in place: the entry is complete, and `left` (by their index in the entry's
  // files) are those known to hold what it left. Then the oldest entries beyond the size limit
  // go.
  void Finish(int id, const std::vector<THistoryFileLeft>& left);
  // Tells Digests, of each file of `entry` that is still the very file the command left (of
  // that size, with those times), that it holds what the command left, so that an undo does
  // not read it to check. Without such a record, or with a damaged one, files are read.
  // Returns the state of each file it looked at, by its index; none for the others.
  std::vector<std::optional<THostFileState>> RecallFilesLeft(const THistoryEntry& entry) const;
  // What this history knows of the files of the game without reading them: what the command
  // read, wrote, and checked, for its record and the kept copies of what it replaces.
  TDigestMemo& Digests() const { return FDigests; }
  // Keeps `bytes` with the unfinished entry `id`, as `name`, for whoever reads it back (Kept).
  void KeepWithEntry(int id, const std::string& name, std::string_view bytes);
  // What was kept with entry `id` as `name`; nothing when there is none, or it cannot be read.
  std::optional<std::string> Kept(int id, const std::string& name) const;
  // Puts back every file of the unfinished entry `id` as it was before, and forgets the entry;
  // false, leaving the entry for recovery, when that cannot be done.
  bool RollBack(int id);
  // Marks the game as being changed by a command, until EndWork. True when the mark of a
  // command before was still there: it was cut short, and may have left temporary files in
  // the game's folders.
  bool BeginWork();
  void EndWork();
  // Rolls back every command that was cut short before it finished, where the game still holds
  // exactly what the command left (each file as it was before or as the command wrote it) and
  // is the same folder. An entry that does not hold, and anything else in the history that
  // cannot be used, is set aside untouched; returns what was set aside and why, in words.
  std::vector<TMessage> RecoverInterrupted();

  // How an entry names the file at `hostPath`: below the game directory, as the game names it
  // (through a folder linked elsewhere too), else absolute, and such an entry is never read
  // back.
  std::string PathInGame(const THostPath& hostPath) const;
  // The host path of a file of an entry, and where the entry keeps its old content.
  THostPath HostPathOf(const THistoryFile& file) const;
  // Whether the file of an entry is still reached in the folder the command wrote it in: an
  // undo or a roll back writes nowhere else, whatever links lead elsewhere now.
  bool IsWhereWritten(const THistoryFile& file) const;
  // The same of many files at once, each folder's identity taken once among `folders`.
  bool IsWhereWritten(const THistoryFile& file, std::map<THostPath, std::string>& folders) const;
  THostPath BeforePath(int id, std::size_t index) const;

private:
  THostPath EntryFolder(int id) const;
  std::vector<int> EntryIds() const;
  // Numbers the entries `ids` 1, 2, ... in their order, so that numbers do not run out; the
  // ids then.
  std::vector<int> Renumbered(const std::vector<int>& ids);
  std::optional<THistoryEntry> ReadEntry(int id) const;
  // The game folder itself, whatever its path ("volume:index"); empty when it is gone.
  std::string GameIdentity() const;
  // Why entry `id`, cut short, cannot be rolled back; nothing when it was.
  std::optional<TMessage> Recover(int id);
  // Moves the folder of entry `id` to "damaged"; says where it is, in words.
  TMessage SetAside(int id) const;
  std::string RelativeToGame(const THostPath& hostPath, const THostPath& realPath) const;
  THostPath FGame;        // the game directory's real path
  THostPath FGameAsGiven; // and as the command named it
  std::uint64_t FLimit;
  THostPath FFolder;
  mutable TDigestMemo FDigests;
};

} // namespace flightdeck
