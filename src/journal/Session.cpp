// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/Session.h"

#include "journal/CommandNames.h"
#include "journal/KeptCopy.h"
#include "platform/ContentDigest.h"
#include "platform/HostPath.h"
#include "platform/ReplacementFile.h"

#include <algorithm>

namespace flightdeck {

EChangedOnDisk::EChangedOnDisk(std::string file)
    : std::runtime_error(file + " changed on disk since it was read, so nothing was written."),
      FFile(std::move(file)) {}

TSession::TSession(std::string_view gameDirectory, std::string_view command, std::string subject,
                   const THistoryPlace& historyPlace)
    : FGameDirectory(gameDirectory), FLock(gameDirectory), FHistory(gameDirectory, historyPlace),
      FCommand(command), FSubject(std::move(subject)) {
  FRecoveryReports = FHistory.RecoverInterrupted();
  if (FHistory.BeginWork())
    RemoveLeftOverSavesBelow(HostPath(FGameDirectory)); // where a command writes
}

TSession::~TSession() {
  FHistory.EndWork();
}

void TSession::Expect(const TFilesRead& files) {
  FExpected.insert(FExpected.end(), files.begin(), files.end());
  for (const TFileRead& file : files)
    if (file.State)
      FHistory.Digests().Remember(*file.State, file.Digest);
}

void TSession::KeepWithEntry(std::string name, std::string bytes) {
  FKept.emplace_back(std::move(name), std::move(bytes));
}

std::vector<TFileTransaction::TStagedFile> TSession::Commit() {
  for (const TFileRead& file : FExpected) {
    const THostPath host = HostPath(file.Path);
    if (FHistory.Digests().Digest(host) != file.Digest)
      throw EChangedOnDisk(FHistory.PathInGame(host));
  }
  FExpected.clear();
  FFiles.LeaveOutUnchanged(FHistory.Digests());
  if (FFiles.Empty())
    return {};
  std::vector<TGameHistory::TChange> changes;
  for (const TFileTransaction::TStagedFile& file : FFiles.StagedFiles())
    changes.push_back({file.Target, file.Digest});
  for (const THostPath& removal : FFiles.Removals())
    changes.push_back({removal, "-"});
  const int entry = FHistory.Begin(FCommand, FSubject, FUndoes, changes);
  std::vector<TFileTransaction::TStagedFile> committed;
  try {
    for (const auto& [name, bytes] : FKept)
      if (entry != 0)
        FHistory.KeepWithEntry(entry, name, bytes);
    committed = FFiles.Commit();
  } catch (...) {
    // Rolled back at once; what cannot be is left to the next command's recovery.
    try {
      if (entry != 0)
        (void)FHistory.RollBack(entry);
    } catch (const std::exception&) {
    }
    throw;
  }
  // What the command left, the record keeps, so that its undo need not read it to check. The
  // entry's files begin with the staged ones, in their order.
  std::vector<THistoryFileLeft> left;
  for (std::size_t i = 0; i < committed.size(); ++i)
    if (const std::optional<THostFileState>& state = committed[i].Left) {
      FHistory.Digests().Remember(*state, committed[i].Digest);
      left.push_back({i, *state});
    }
  if (entry != 0)
    FHistory.Finish(entry, left);
  return committed;
}

TOutcome<THistoryEntry> TSession::Undo(int id) {
  const std::vector<THistoryEntry> entries = FHistory.Entries();
  if (id == 0) {
    const THistoryEntry* next = NextToUndo(entries);
    std::vector<TMessage> passed; // newer, and never to be undone
    for (auto entry = entries.rbegin(); entry != entries.rend() && &*entry != next; ++entry)
      if (IsLeftToUndo(*entry) && !CanBeUndone(*entry))
        passed.push_back({TRANSLATABLE("Message", "Entry %1 (%2) was passed over: an earlier "
                                                  "version recorded it without what undoing "
                                                  "it needs."),
                          {std::to_string(entry->Id), entry->Command}});
    TOutcome<THistoryEntry> outcome =
        next ? TakeBack(*next)
             : TOutcome<THistoryEntry>::Failure(
                   TMessage::Own(TRANSLATABLE("Message", "There is nothing to undo.")));
    outcome.Notes.insert(outcome.Notes.begin(), passed.begin(), passed.end());
    return outcome;
  }
  const auto chosen = std::find_if(entries.begin(), entries.end(),
                                   [&](const THistoryEntry& entry) { return entry.Id == id; });
  if (chosen == entries.end())
    return TOutcome<THistoryEntry>::Failure(
        {TRANSLATABLE("Message", "The history has no entry %1."), {std::to_string(id)}});
  if (chosen->Undone)
    return TOutcome<THistoryEntry>::Failure(
        {TRANSLATABLE("Message", "Entry %1 is undone already."), {std::to_string(id)}});
  return TakeBack(*chosen);
}

TOutcome<THistoryEntry> TSession::Redo() {
  const std::vector<THistoryEntry> entries = FHistory.Entries();
  const THistoryEntry* next = NextToRedo(entries);
  return next ? TakeBack(*next)
              : TOutcome<THistoryEntry>::Failure(
                    TMessage::Own(TRANSLATABLE("Message", "There is nothing to redo.")));
}

TOutcome<THistoryEntry> TSession::TakeBack(const THistoryEntry& chosen) {
  std::vector<TMessage> moved;
  std::map<THostPath, std::string> folders;
  for (const THistoryFile& file : chosen.Files)
    if (!FHistory.IsWhereWritten(file, folders))
      moved.emplace_back(file.Path);
  if (!moved.empty())
    return TOutcome<THistoryEntry>::Failure(
        {TRANSLATABLE("Message", "These files are no longer in the folder the command wrote "
                                 "them in, so nothing was undone: %1."),
         {ListOf(moved)}});
  std::vector<TMessage> changed;
  const std::vector<std::optional<THostFileState>> states = FHistory.RecallFilesLeft(chosen);
  for (std::size_t i = 0; i < chosen.Files.size(); ++i) {
    const THistoryFile& file = chosen.Files[i];
    const THostPath host = FHistory.HostPathOf(file);
    // A state taken a moment ago serves, as for any digest: a file changed since is read.
    if ((states[i] ? FHistory.Digests().Digest(host, states[i])
                   : FHistory.Digests().Digest(host)) != file.After)
      changed.emplace_back(file.Path);
  }
  if (!changed.empty())
    return TOutcome<THistoryEntry>::Failure(
        {TRANSLATABLE("Message", "These files changed since, so nothing was undone: %1."),
         {ListOf(changed)}});
  TFileTransaction putBack; // staged in the session only once every file can be put back
  for (std::size_t i = 0; i < chosen.Files.size(); ++i) {
    const THistoryFile& file = chosen.Files[i];
    const THostPath host = FHistory.HostPathOf(file);
    if (!file.Existed)
      putBack.StageRemoval(host);
    else if (std::optional<TMessage> refused =
                 StageKeptCopy(putBack, FHistory.BeforePath(chosen.Id, i), file.Before, host))
      return TOutcome<THistoryEntry>::Failure(
          {TRANSLATABLE("Message", "%1 cannot be put back, so nothing was undone: %2."),
           {file.Path, std::move(*refused)}});
  }
  FFiles.TakeOver(putBack);

  // This session is the undo: its entry takes back the chosen one. Taking back an undo is a
  // redo; a redo, or anything else, is undone.
  const bool ofUndo = chosen.Command == CommandNames::Undo;
  const bool ofOwn = ofUndo || chosen.Command == CommandNames::Redo;
  FCommand = ofUndo ? CommandNames::Redo : CommandNames::Undo;
  FSubject = ofOwn ? chosen.Subject
                   : chosen.Command + (chosen.Subject.empty() ? "" : " " + chosen.Subject);
  FUndoes = chosen.Id;
  return chosen;
}

} // namespace flightdeck
