// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include "journal/Session.h"
#include "lists/MissionTree.h"
#include "lists/MissionTypes.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QFileSystemWatcher;
class QTimer;

namespace flightdeck {

// What the controller of a list needs from the view that shows it.
class TListView {
public:
  virtual ~TListView() = default;
  // The document is about to go: nothing may refer to its nodes any more.
  virtual void ReleaseDocument() = 0;
  // The document was read (again) and is to be shown; `keepPlace` keeps the selected row and
  // the scroll position where the entry still exists.
  virtual void ShowDocument(bool keepPlace) = 0;
  // The list could not be read: there is nothing to edit, and `reason` says why.
  virtual void ShowUnreadable(const QString& reason) = 0;
  virtual void Hint(const QString& text) = 0; // on the status line
  virtual void Tell(const QString& text) = 0; // in a message box
  // The command `command` was recorded in the game's history; the history may have changed
  // outside.
  virtual void CommandRecorded(std::string_view command) = 0;
  // An edit is being written beside the window: Undo takes it back, once it is written.
  virtual void CommandUnderWay() = 0;
  virtual void HistoryChanged() = 0;
  // The user is in the middle of an edit or a dialog: a change outside waits for it.
  virtual bool Busy() const = 0;
};

// Keeps the document of one list and its view in step with the disk: it reads the list, writes
// each change as one command through a session of its own, and reads the list again when one
// of its files, or the game's history, changes outside.
class TListController : public QObject {
  Q_DECLARE_TR_FUNCTIONS(TListController)

public:
  TListController(TListView& view, QObject* parent);
  ~TListController() override;

  // The game whose lists are shown; a command cut short is rolled back first.
  void OpenGame(const std::string& game);
  const std::string& Game() const { return FGame; }
  // The history of the game shown, where the window keeps it.
  TGameHistory History() const { return TGameHistory(FGame, FHistoryPlace); }
  // Where the games' histories are kept, and how large each may grow.
  void SetHistoryPlace(THistoryPlace place) { FHistoryPlace = std::move(place); }
  // Reads the list of `type` and `side` and has the view show it. The list shown just before
  // is shown again without reading it while none of its files changed since.
  void Read(TMissionType type, TGender side);
  // Reads the list shown again, keeping the view's place, and says why (`hint`).
  void ReadAgain(const QString& hint = {});
  // The document shown; null while no list could be read.
  TMissionTree* Document() const { return FDocument.get(); }

  // A new entry of the document waiting for the label the user gives it, and what its command
  // writes besides the list: written, with that label, as one command once the label is done,
  // or as it stands before any other command.
  struct TNewEntry {
    std::string_view Command; // as the history names it
    TMissionNode* Node = nullptr;
    bool NamedByFile = false; // its history entry names its file, not its label
    std::function<void(TSession&)> Stage;
  };
  void AwaitLabel(TNewEntry entry) { FAwaiting = std::move(entry); }
  bool AwaitingLabel() const { return FAwaiting.has_value(); }
  const TMissionNode* AwaitedNode() const { return FAwaiting ? FAwaiting->Node : nullptr; }
  // Writes the new entry waiting as one command; false when none waits.
  bool WriteAwaited();
  // Takes the new entry waiting out of the document again, nothing written; false when none
  // waits.
  bool DropAwaited();

  // One command: `stage` stages its files in a session of its own, which then, unless `stage`
  // says false, checks that what was read is still on disk and commits. False when a file
  // changed on disk, or the command failed: the list is read again then (and a failure passes
  // on to the error handler).
  bool Run(std::string_view command, const std::string& subject,
           const std::function<bool(TSession& session)>& stage);
  // An edit made on the document, written at once as one command. A list the user did not
  // change is never rewritten. False when the list had to be read again.
  //
  // A long list is written beside the window, which goes on painting, and true is returned at
  // once. Until that save is done the document is only read: whatever would change or replace
  // it, or open another command, waits for the save first and takes in how it ended.
  bool CommitEdit(std::string_view command, const std::string& subject);
  bool Saving() const { return FSaving.valid(); }
  // Waits for the save under way, if any, and takes in how it ended. False when it failed and
  // the list was read again: the nodes of the document before are gone then.
  bool FinishSaving();
  // The document to change, once no save is under way; null when there is none, or when the
  // list had to be read again meanwhile.
  TMissionTree* DocumentToEdit() { return FinishSaving() ? FDocument.get() : nullptr; }
  // The same where what follows goes on whatever the save's end: a failure is told.
  void SettleSaving();
  // Lists of at least this many records are written beside the window; the number before.
  static std::size_t SaveBesideTheWindowFrom(std::size_t records) {
    return std::exchange(SavedBesideTheWindow, records);
  }
  // Rolls back a command cut short and tells what could not be.
  void RecoverInterrupted();

private:
  // Reads the list into a new document; false, the view told why, when it cannot be read.
  bool Load();
  // The kept document, taken, when it is of the list to show and its files are as it read or
  // wrote them; null otherwise.
  std::unique_ptr<TMissionTree> TakeKept();
  void TellRecoveryReports(const std::vector<TMessage>& reports);
  // Takes in how a command ended: `commit` runs it and gives the files it wrote, or raises why
  // it wrote nothing. False when the list had to be read again.
  bool Settle(std::string_view command,
              const std::function<std::vector<TFileTransaction::TStagedFile>()>& commit);
  void CheckFilesOnDisk();
  void WatchFiles();

  TListView& FView;
  THistoryPlace FHistoryPlace;
  std::string FGame;
  TMissionType FType = mtBattles;
  TGender FSide = gnNeutral;
  std::unique_ptr<TMissionTree> FDocument;
  std::unique_ptr<TMissionTree> FKept; // the document shown before, as the disk holds it
  std::optional<TNewEntry> FAwaiting;
  QFileSystemWatcher* FWatcher = nullptr;
  QTimer* FDiskCheck = nullptr; // gathers the watcher's reports of one change
  // The save beside the window: what it wrote and what recovery told when its session opened.
  struct TSaved {
    std::vector<TFileTransaction::TStagedFile> Staged;
    std::vector<TMessage> Reports;
  };
  std::future<TSaved> FSaving;
  std::string FSavingCommand; // the command of that save
  std::uint64_t FSaves = 0;   // saves begun beside the window, each one's number
  static inline std::size_t SavedBesideTheWindow = 50000;
};

} // namespace flightdeck
