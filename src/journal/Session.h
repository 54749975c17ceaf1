// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/FileTransaction.h"
#include "journal/FilesRead.h"
#include "journal/History.h"
#include "platform/DirectoryLock.h"
#include "platform/Outcome.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace flightdeck {

// A file that changed on disk since a command read it: the command wrote nothing.
class EChangedOnDisk : public std::runtime_error {
public:
  explicit EChangedOnDisk(std::string file);
  const std::string& File() const { return FFile; } // below the game, as spelled on disk

private:
  std::string FFile;
};

// One command that changes a game directory: the unit of work the front ends make, one for
// each command, and hand to the services. It holds the game's lock (see TDirectoryLock) from
// its start, after rolling back a command cut short (what could not be rolled back is set
// aside and told in RecoveryReports, and never stops the command) and removing the temporary
// files it left; it stages every file the command
// writes (Files), knows what the command's changes were made from (Expect), and on Commit checks
// that, records the command as one entry of the game's history and puts the files in place. Dropped
// uncommitted, it leaves the game as it was.
class TSession {
public:
  TSession(std::string_view gameDirectory, std::string_view command, std::string subject = {},
           const THistoryPlace& historyPlace = {});
  ~TSession();
  TSession(const TSession&) = delete;
  TSession& operator=(const TSession&) = delete;

  const std::string& GameDirectory() const { return FGameDirectory; }
  TFileTransaction& Files() { return FFiles; }
  TGameHistory& History() { return FHistory; }
  // What the command worked on, as its entry of the history names it, once the command knows.
  void SetSubject(std::string subject) { FSubject = std::move(subject); }
  // What recovery set aside when the session opened, in words, for the user.
  const std::vector<TMessage>& RecoveryReports() const { return FRecoveryReports; }

  // The command's changes were made from these files as they were read: Commit writes nothing
  // when one of them is no longer what was read.
  void Expect(const TFilesRead& files);
  // Keeps `bytes` with the command's entry of the history, as `name` (see TGameHistory::Kept):
  // what the command was, in its own terms.
  void KeepWithEntry(std::string name, std::string bytes);
  // Puts every staged file in place as one entry of the history; an entry cut short by a
  // failure is rolled back. A file staged as its target holds it already is no part of the
  // command: it is neither written nor recorded. Raises EChangedOnDisk, writing nothing, when a
  // file expected changed since it was read. The files put in place.
  std::vector<TFileTransaction::TStagedFile> Commit();

  // Stages taking back entry `id` of the game's history (0: what the Edit menu's Undo takes
  // back, see NextToUndo): every file it touched is put back as it was, from the copies the
  // entry keeps, checked first. Committed, it is an entry of its own, so that undoing an undo is
  // a redo; the session names that entry itself: open it for the undo alone. Fails, staging
  // nothing, when a file changed since or a kept copy is damaged; the message names the files.
  TOutcome<THistoryEntry> Undo(int id);
  // Stages doing again what the Edit menu's Redo would (see NextToRedo): taking back that undo.
  TOutcome<THistoryEntry> Redo();

private:
  TOutcome<THistoryEntry> TakeBack(const THistoryEntry& chosen);

  std::string FGameDirectory;
  TDirectoryLock FLock;
  TGameHistory FHistory;
  std::vector<TMessage> FRecoveryReports;
  TFileTransaction FFiles;
  TFilesRead FExpected;
  std::vector<std::pair<std::string, std::string>> FKept; // name, bytes
  std::string FCommand;
  std::string FSubject;
  int FUndoes = 0;
};

} // namespace flightdeck
