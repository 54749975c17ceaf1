#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace flightdeck {

// A file one command changed.
struct THistoryFile {
  std::string Path;     // below the game directory ("combat/rebel.lst")
  bool Existed = false; // before the command
  std::string After;    // the digest of what the command left; "-" when it left no file
};

// One command that changed files of a game.
struct THistoryEntry {
  int Id = 0;
  std::string Time;    // when, in UTC: "2026-12-07T10:00:00Z"
  std::string Command; // "install-pack", "rename", "undo", ...
  std::string Subject; // what it worked on: a pack's file name, a label
  int Undoes = 0;      // the entry this one took back; 0 for none
  std::vector<THistoryFile> Files;
  bool Undone = false; // a later entry, not itself undone, took this one back
};

// What Undo and Redo of a program's Edit menu take back: the newest entry not undone that is
// not itself an undo; and the newest undo not undone, as long as nothing but undos and redos
// was done since.
// Null for none.
const THistoryEntry* NextToUndo(const std::vector<THistoryEntry>& entries);
const THistoryEntry* NextToRedo(const std::vector<THistoryEntry>& entries);

// Where the histories of all games are kept; by default the host's data folder of the program
// (HostDataFolder: $XDG_DATA_HOME/flightdeck, else ~/.local/share/flightdeck; on Windows
// %LOCALAPPDATA%\Flightdeck). One folder a game, named after the game directory's real path.
void SetHistoryRoot(std::string folder);
// How many bytes a game's history may hold; the oldest entries go, whole, beyond it.
void SetHistoryLimit(std::uint64_t bytes);
constexpr std::uint64_t DefaultHistoryLimit = 512ULL << 20;

// The history of one game directory. It lives outside the game, and records each command as
// a journal: the files' old contents are kept before the first one is replaced, so that a
// command cut short can be rolled back by the next one. Failures raise EInOutError with a
// message that names the history.
class TGameHistory {
public:
  explicit TGameHistory(std::string_view gameDirectory);

  const std::string& Folder() const { return FFolder; }
  // The entries, oldest first; an entry that cannot be read is left out.
  std::vector<THistoryEntry> Entries() const;

  // A file a transaction is about to put in place: its host path and the digest of its new
  // content, or "-" when it is to be removed.
  struct TChange {
    std::string HostPath;
    std::string After;
  };
  // Records the old state of every file of `changes` before any of them changes; returns the
  // entry's id, for Finish or RollBack, or 0 when no file would change.
  int Begin(const std::string& command, const std::string& subject, int undoes,
            const std::vector<TChange>& changes);
  // Every file is in place: the entry is complete. Then the oldest entries beyond the size
  // limit go.
  void Finish(int id);
  // Puts back every file of the unfinished entry `id` as it was before, and forgets the entry.
  void RollBack(int id);
  // Rolls back every command that was cut short before it finished.
  void RecoverInterrupted();

  // How an entry names the file at `hostPath`: below the game directory (else absolute, and
  // such an entry is never read back).
  std::string PathInGame(const std::string& hostPath) const;
  // The host path of a file of an entry, and where the entry keeps its old content.
  std::string HostPathOf(const THistoryFile& file) const;
  std::string BeforePath(int id, std::size_t index) const;

private:
  std::string EntryFolder(int id) const;
  std::string RelativeToGame(const std::string& realPath) const;
  std::uint64_t EntrySize(int id) const;
  std::string FGame; // the game directory's real path
  std::string FFolder;
};

} // namespace flightdeck
