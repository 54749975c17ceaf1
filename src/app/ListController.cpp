// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ListController.h"

#include "app/Application.h"
#include "app/BackgroundWork.h"
#include "app/CoreText.h"
#include "app/ListText.h"
#include "journal/CommandNames.h"
#include "lists/XvTListFile.h"
#include "platform/ContentDigest.h"
#include "platform/DirectoryLock.h"
#include "platform/FileSystem.h"
#include "platform/FreedMemory.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "platform/PathNames.h"
#include "platform/ReplacementFile.h"
#include "widgets/PathText.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace flightdeck {

TListController::TListController(TListView& view, QObject* parent)
    : QObject(parent), FView(view), FWatcher(new QFileSystemWatcher(this)),
      FDiskCheck(new QTimer(this)) {
  FDiskCheck->setSingleShot(true);
  FDiskCheck->setInterval(200);
  connect(FDiskCheck, &QTimer::timeout, this,
          [this] { TixoApplication::Instance()->RunGuarded([this] { CheckFilesOnDisk(); }); });
  const auto check = [this] { FDiskCheck->start(); };
  connect(FWatcher, &QFileSystemWatcher::fileChanged, this, check);
  connect(FWatcher, &QFileSystemWatcher::directoryChanged, this, check);
}

namespace {

// A long list takes a while to free: that is done beside the window, and the memory it held
// goes back to the system.
void FreeBesideTheWindow(std::unique_ptr<TMissionTree> document) {
  if (document)
    QThreadPool::globalInstance()->start(
        [gone = std::shared_ptr<TMissionTree>(std::move(document))]() mutable {
          gone.reset();
          ReturnFreedMemory();
        });
}

// One command in a session of its own, on whichever thread: `opened` is shown the session as
// it opens, then `stage` stages the command's files, unless it says false, and the session
// commits them. The files written.
std::vector<TFileTransaction::TStagedFile>
CommitCommand(const std::string& game, const THistoryPlace& history, std::string_view command,
              const std::string& subject, const std::function<void(const TSession&)>& opened,
              const std::function<bool(TSession&)>& stage) {
  TSession session(game, command, subject, history);
  opened(session);
  if (!stage(session))
    return {};
  return session.Commit();
}

// The first of `files` that no longer holds what was read or written; null for none.
const TFileRead* FirstChangedFile(const TFilesRead& files) {
  const auto changed = std::find_if(files.begin(), files.end(),
                                    [](const TFileRead& read) { return !IsAsRead(read); });
  return changed == files.end() ? nullptr : &*changed;
}

} // namespace

TListController::~TListController() {
  if (Saving())
    FSaving.wait(); // the save is written whole; the window is gone, so no one is told
}

void TListController::OpenGame(const std::string& game) {
  SettleSaving();
  FGame = game;
  FreeBesideTheWindow(std::move(FKept));
  RecoverInterrupted();
  // What a save cut short left in the game's folders goes now, not at the next edit there.
  QThreadPool::globalInstance()->start(
      [folder = HostPath(game)] { RemoveLeftOverSavesBelow(folder); });
}

void TListController::Read(TMissionType type, TGender side) {
  SettleSaving();
  FType = type;
  FSide = side;
  std::unique_ptr<TMissionTree> kept = TakeKept();
  if (FDocument && (FDocument->MissionType() != type || FDocument->Side() != side)) {
    // Every edit is on disk as soon as it is made: the document is what its files hold.
    FView.ReleaseDocument();
    FreeBesideTheWindow(std::exchange(FKept, std::move(FDocument)));
  }
  if (kept) {
    FDocument = std::move(kept);
    WatchFiles();
    FView.ShowDocument(false);
  } else if (Load()) {
    FView.ShowDocument(false);
  }
}

std::unique_ptr<TMissionTree> TListController::TakeKept() {
  if (!FKept || FKept->GameDirectory() != FGame || FKept->MissionType() != FType ||
      FKept->Side() != FSide)
    return nullptr;
  std::unique_ptr<TMissionTree> kept = std::move(FKept);
  bool unchanged = false;
  try {
    unchanged = !FirstChangedFile(kept->FilesRead());
  } catch (const EInOutError&) {
    // read again, which tells why it cannot be
  }
  if (!unchanged)
    FreeBesideTheWindow(std::move(kept)); // and null
  return kept;
}

void TListController::ReadAgain(const QString& hint) {
  SettleSaving();
  if (FGame.empty() || !Load())
    return;
  FView.ShowDocument(true);
  FView.HistoryChanged();
  if (!hint.isEmpty())
    FView.Hint(hint);
}

bool TListController::Load() {
  FView.ReleaseDocument();
  FreeBesideTheWindow(std::move(FDocument));
  auto tree = std::make_unique<TMissionTree>(FGame, FType, FSide);
  try {
    // Read beside the window, which goes on painting while a long list is read.
    TBackgroundWork(qobject_cast<QWidget*>(parent()), tr("Reading the list..."), 0).Run([&] {
      tree->Load();
      tree->NextNumber(EntryKind(FType)); // kept, for the first entry selected
      ReturnFreedMemory();                // what reading a long list took on the way
    });
    FDocument = std::move(tree);
  } catch (const EInOutError& error) {
    // A list that cannot be read (a folder in its place, too large) is nothing to edit.
    WatchFiles();
    FView.ShowUnreadable(MessageText(error.Message(), PathText));
    return false;
  }
  WatchFiles();
  return true;
}

bool TListController::WriteAwaited() {
  if (!FAwaiting)
    return false;
  const TNewEntry entry = std::move(*FAwaiting);
  FAwaiting.reset();
  Run(entry.Command, entry.NamedByFile ? entry.Node->Record.FileName : entry.Node->Label(),
      [&](TSession& session) {
        if (entry.Stage)
          entry.Stage(session);
        FDocument->Save(session);
        return true;
      });
  return true;
}

bool TListController::DropAwaited() {
  if (!FAwaiting)
    return false;
  TMissionNode* node = FAwaiting->Node;
  FAwaiting.reset();
  if (TMissionTree* tree = DocumentToEdit())
    tree->Remove(*node);
  return true;
}

bool TListController::Run(std::string_view command, const std::string& subject,
                          const std::function<bool(TSession&)>& stage) {
  WriteAwaited(); // a new entry first, as it stands
  if (!FinishSaving())
    return false;
  return Settle(command, [&] {
    return CommitCommand(
        FGame, FHistoryPlace, command, subject,
        [this](const TSession& session) { TellRecoveryReports(session.RecoveryReports()); }, stage);
  });
}

bool TListController::Settle(
    std::string_view command,
    const std::function<std::vector<TFileTransaction::TStagedFile>()>& commit) {
  try {
    const std::vector<TFileTransaction::TStagedFile> staged = commit();
    if (FDocument)
      FDocument->Written(staged);
    if (!staged.empty())
      FView.CommandRecorded(command);
    return true;
  } catch (const EChangedOnDisk& changed) {
    ReadAgain();
    FView.Tell(tr("%1 changed on disk since it was read, so nothing was written. It is shown "
                  "again.")
                   .arg(FromList(changed.File())));
    return false;
  } catch (...) {
    ReadAgain(); // what the disk holds, not the edit that was not saved
    throw;
  }
}

bool TListController::CommitEdit(std::string_view command, const std::string& subject) {
  if (!FDocument)
    return true;
  // Whether anything changed is asked once, as the list would be written: of a long list, that
  // takes as long as writing it. An unchanged list commits nothing.
  const auto save = [document = FDocument.get()](TSession& session) {
    return document->Save(session);
  };
  if (FDocument->RecordsRead() < SavedBesideTheWindow)
    return Run(command, subject, save);
  WriteAwaited();
  if (!FinishSaving())
    return false;
  const std::uint64_t serial = ++FSaves;
  FSavingCommand = command;
  FSaving = std::async(std::launch::async, [this, serial, save, game = FGame,
                                            history = FHistoryPlace, command, subject] {
    // However it ends, the window takes it in once it can, unless it did so already.
    const auto tell = [this, serial] {
      QMetaObject::invokeMethod(
          this,
          [this, serial] {
            if (serial == FSaves)
              SettleSaving();
          },
          Qt::QueuedConnection);
    };
    try {
      TSaved saved;
      saved.Staged = CommitCommand(
          game, history, command, subject,
          [&saved](const TSession& session) { saved.Reports = session.RecoveryReports(); }, save);
      ReturnFreedMemory(); // what writing a long list took
      tell();
      return saved;
    } catch (...) {
      tell();
      throw;
    }
  });
  FView.CommandUnderWay();
  return true;
}

void TListController::SettleSaving() {
  TixoApplication::Instance()->RunGuarded([this] { FinishSaving(); });
}

bool TListController::FinishSaving() {
  if (!Saving())
    return true;
  std::future<TSaved> saving = std::move(FSaving);
  return Settle(FSavingCommand, [&] {
    TSaved saved = saving.get();
    FView.HistoryChanged(); // Undo was offered before the save knew whether it wrote anything
    TellRecoveryReports(saved.Reports);
    return std::move(saved.Staged);
  });
}

void TListController::RecoverInterrupted() {
  try {
    const TSession recovery(FGame, CommandNames::Recover, {}, FHistoryPlace);
    TellRecoveryReports(recovery.RecoveryReports());
  } catch (const EDirectoryBusy&) {
    // Another command holds the game; it recovers what needs it.
  }
}

void TListController::TellRecoveryReports(const std::vector<TMessage>& reports) {
  for (const TMessage& report : reports)
    FView.Tell(MessageText(report, PathText));
}

void TListController::CheckFilesOnDisk() {
  if (!FDocument)
    return;
  if (FView.Busy() || AwaitingLabel() ||
      Saving()) { // not under the user's hands, nor while a save writes
    FDiskCheck->start();
    return;
  }
  FView.HistoryChanged();
  if (!IsXvTDirectory(FGame)) { // moved, deleted, or its disk gone
    FView.ReleaseDocument();
    FreeBesideTheWindow(std::move(FDocument));
    FView.ShowUnreadable(tr("The game folder \"%1\" is gone, or no longer holds the game's "
                            "folders. Choose it again with File > Set XvT Directory.")
                             .arg(PathText(FGame)));
    return;
  }
  if (const TFileRead* changed = FirstChangedFile(FDocument->FilesRead())) {
    ReadAgain(tr("%1 changed on disk; shown again")
                  .arg(PathText(History().PathInGame(HostPath(changed->Path)))));
    return;
  }
  WatchFiles(); // a file replaced is a new file to watch
}

void TListController::WatchFiles() {
  // Files are replaced by renaming, which their folders report; a list written in place
  // reports itself (battle files, as many as a list has battles, are left to their folder); the
  // history's folder tells of commands of the command line. The kept document's files are
  // watched too: the watch of a folder of many files takes a while to set up.
  QStringList paths{PathText(History().Folder())};
  for (const TMissionTree* document : {FDocument.get(), FKept.get()})
    for (const TFileRead& read : document ? document->FilesRead() : TFilesRead()) {
      const QFileInfo file(PathText(HostPath(read.Path)));
      paths << file.absolutePath();
      if (file.exists() && IsListFileName(ExtractFileName(read.Path)))
        paths << file.absoluteFilePath();
    }
  paths.removeDuplicates();
  paths.removeIf([](const QString& path) { return !QFileInfo::exists(path); });
  // A file replaced is another file to watch, under the same name; a folder stays itself.
  const QStringList folders = FWatcher->directories();
  QStringList gone = FWatcher->files();
  for (const QString& folder : folders)
    if (!paths.contains(folder))
      gone << folder;
  if (!gone.isEmpty())
    FWatcher->removePaths(gone);
  paths.removeIf([&](const QString& path) { return folders.contains(path); });
  if (!paths.isEmpty())
    FWatcher->addPaths(paths);
}

} // namespace flightdeck
