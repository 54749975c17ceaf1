#include "platform/GameCommand.h"

#include "platform/ContentDigest.h"
#include "platform/FileTransaction.h"

#include <algorithm>

namespace flightdeck {

namespace {

thread_local TGameCommand* OpenCommand = nullptr;

} // namespace

TGameCommand::TGameCommand(std::string_view gameDirectory, std::string command, std::string subject)
    : FLock(gameDirectory), FHistory(gameDirectory), FCommand(std::move(command)),
      FSubject(std::move(subject)), FOuter(OpenCommand) {
  if (!FOuter)
    FHistory.RecoverInterrupted();
  OpenCommand = this;
}

TGameCommand::~TGameCommand() {
  OpenCommand = FOuter;
}

void TGameCommand::Describe(std::string command, std::string subject) {
  FCommand = std::move(command);
  FSubject = std::move(subject);
}

TGameCommand* TGameCommand::Current() {
  return OpenCommand;
}

TOutcome<THistoryEntry> TGameCommand::Undo(int id) {
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

  // This command is the undo: its entry takes back the chosen one. Taking back an undo is a redo; a
  // redo, or anything else, is undone.
  const bool ofUndo = chosen->Command == "undo";
  const bool ofOwn = ofUndo || chosen->Command == "redo";
  FCommand = ofUndo ? "redo" : "undo";
  FSubject = ofOwn ? chosen->Subject
                   : chosen->Command + (chosen->Subject.empty() ? "" : " " + chosen->Subject);
  FUndoes = chosen->Id;
  TFileTransaction transaction;
  for (std::size_t i = 0; i < chosen->Files.size(); ++i) {
    const std::string host = FHistory.HostPathOf(chosen->Files[i]);
    if (chosen->Files[i].Existed)
      transaction.StageCopy(FHistory.BeforePath(chosen->Id, i), host);
    else
      transaction.StageRemoval(host);
  }
  transaction.Commit();
  return *chosen;
}

} // namespace flightdeck
