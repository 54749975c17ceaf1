#pragma once

#include "platform/DirectoryLock.h"
#include "platform/History.h"
#include "platform/Outcome.h"

#include <string>
#include <string_view>

namespace flightdeck {

// One command on a game directory, from start to end: it holds the directory (see
// TDirectoryLock), rolls back what a command cut short left behind, and every file
// transaction committed while it is open on its thread goes into the game's history as one
// entry, named by the command and its subject. Commands nest; the innermost names the entry.
class TGameCommand {
public:
  TGameCommand(std::string_view gameDirectory, std::string command, std::string subject = {});
  ~TGameCommand();
  TGameCommand(const TGameCommand&) = delete;
  TGameCommand& operator=(const TGameCommand&) = delete;

  // What the next entry says it was.
  void Describe(std::string command, std::string subject);

  // The command open on this thread, or null.
  static TGameCommand* Current();

  TGameHistory& History() { return FHistory; }
  const std::string& Command() const { return FCommand; }
  const std::string& Subject() const { return FSubject; }
  int Undoes() const { return FUndoes; }

  // Takes back entry `id` of the game's history (0: the newest one not undone): every file it
  // touched is put back as it was, as one transaction recorded as an entry of its own, so that
  // undoing an undo is a redo. The command names that entry itself: open it for the undo
  // alone. Fails, changing nothing, when a file changed since; the message names the files.
  TOutcome<THistoryEntry> Undo(int id);

private:
  TDirectoryLock FLock;
  TGameHistory FHistory;
  std::string FCommand;
  std::string FSubject;
  int FUndoes = 0;
  TGameCommand* FOuter;
};

} // namespace flightdeck
