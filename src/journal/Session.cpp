#include "journal/Session.h"

#include "platform/ContentDigest.h"
#include "platform/HostPath.h"

#include <algorithm>

namespace flightdeck {

EChangedOnDisk::EChangedOnDisk(std::string file)
    : std::runtime_error(file + " changed on disk since it was read, so nothing was written."),
      FFile(std::move(file)) {}

TSession::TSession(std::string_view gameDirectory, std::string command, std::string subject)
    : FGameDirectory(gameDirectory), FLock(gameDirectory), FHistory(gameDirectory),
      FCommand(std::move(command)), FSubject(std::move(subject)) {
  FHistory.RecoverInterrupted();
}

TSession::~TSession() = default;

void TSession::Expect(const TFilesRead& files) {
  FExpected.insert(FExpected.end(), files.begin(), files.end());
}

void TSession::Commit() {
  for (const TFileRead& file : FExpected) {
    const std::string host = HostPath(file.Path);
    if (HostFileDigest(host) != file.Digest)
      throw EChangedOnDisk(FHistory.PathInGame(host));
  }
  FExpected.clear();
  if (FFiles.Empty())
    return;
  std::vector<TGameHistory::TChange> changes;
  for (const TFileTransaction::TStagedFile& file : FFiles.StagedFiles())
    changes.push_back({file.Target, file.Digest});
  for (const std::string& removal : FFiles.Removals())
    changes.push_back({removal, "-"});
  const int entry = FHistory.Begin(FCommand, FSubject, FUndoes, changes);
  try {
    FFiles.Commit();
  } catch (...) {
    if (entry != 0)
      FHistory.RollBack(entry);
    throw;
  }
  if (entry != 0)
    FHistory.Finish(entry);
}

TOutcome<THistoryEntry> TSession::Undo(int id) {
  const std::vector<THistoryEntry> entries = FHistory.Entries();
  const auto chosen =
      std::find_if(entries.rbegin(), entries.rend(), [&](const THistoryEntry& entry) {
        return id == 0 ? !entry.Undone : entry.Id == id;
      });
  if (chosen == entries.rend())
    return TOutcome<THistoryEntry>::Failure(id == 0 ? "There is nothing to undo."
                                                    : "The history has no entry " +
                                                          std::to_string(id) + ".");
  if (chosen->Undone)
    return TOutcome<THistoryEntry>::Failure("Entry " + std::to_string(id) + " is undone already.");
  std::string changed;
  for (const THistoryFile& file : chosen->Files)
    if (HostFileDigest(FHistory.HostPathOf(file)) != file.After)
      changed += (changed.empty() ? "" : ", ") + file.Path;
  if (!changed.empty())
    return TOutcome<THistoryEntry>::Failure(
        "These files changed since, so nothing was undone: " + changed + ".");

  // This session is the undo: its entry takes back the chosen one. Taking back an undo is a
  // redo; a redo, or anything else, is undone.
  const bool ofUndo = chosen->Command == "undo";
  const bool ofOwn = ofUndo || chosen->Command == "redo";
  FCommand = ofUndo ? "redo" : "undo";
  FSubject = ofOwn ? chosen->Subject
                   : chosen->Command + (chosen->Subject.empty() ? "" : " " + chosen->Subject);
  FUndoes = chosen->Id;
  for (std::size_t i = 0; i < chosen->Files.size(); ++i) {
    const std::string host = FHistory.HostPathOf(chosen->Files[i]);
    if (chosen->Files[i].Existed)
      FFiles.StageCopy(FHistory.BeforePath(chosen->Id, i), host);
    else
      FFiles.StageRemoval(host);
  }
  Commit();
  return *chosen;
}

} // namespace flightdeck
