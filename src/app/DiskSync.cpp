// The window and the disk: each change committed at once as one command, and the list shown
// again when its files change outside the window.

#include "app/Application.h"
#include "app/TixoFlightdeckForm.h"
#include "platform/ContentDigest.h"
#include "platform/DirectoryLock.h"
#include "platform/HostPath.h"
#include "platform/PathNames.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>

namespace flightdeck {

bool TixoFlightdeckForm::RunCommand(const std::string& command, const std::string& subject,
                                    const std::function<bool(TSession&)>& stage) {
  if (FAwaitingLabel)
    MissionViewEdited(nullptr); // the new entry first, as it stands
  try {
    TSession session(FXvTPath, command, subject);
    TellRecoveryReports(session);
    if (!stage(session))
      return true;
    const std::vector<TFileTransaction::TStagedFile> staged = session.Files().StagedFiles();
    session.Commit();
    if (FDocument)
      FDocument->Written(staged);
    if (!staged.empty())
      ChangeRecorded();
    return true;
  } catch (const EChangedOnDisk& changed) {
    ShowListAgain();
    Tell(QString::fromStdString(changed.what()) + QStringLiteral(" It is shown again."));
    return false;
  } catch (...) {
    ShowListAgain(); // what the disk holds, not the edit that was not saved
    throw;
  }
}

bool TixoFlightdeckForm::CommitEdit(const std::string& command, const std::string& subject) {
  if (!FDocument || !FDocument->Changed())
    return true;
  return RunCommand(command, subject, [this](TSession& session) {
    FDocument->Save(session);
    return true;
  });
}

void TixoFlightdeckForm::ShowListAgain(const QString& hint) {
  if (!FMissionCommandsEnabled)
    return;
  const int row = SelectedNode() ? AbsoluteIndex(SelectedNode()) : -1;
  const int scrolled = FMissionView->verticalScrollBar()->value();
  BuildMissionTreeView();
  const std::vector<TMissionTreeItem*> items = TreeNodes();
  if (row >= 0 && row < static_cast<int>(items.size()))
    FMissionView->setCurrentItem(items[static_cast<std::size_t>(row)]);
  FMissionView->verticalScrollBar()->setValue(scrolled);
  RefreshUndoActions();
  if (!hint.isEmpty())
    ApplicationHint(hint);
}

void TixoFlightdeckForm::CheckFilesOnDisk() {
  if (!FDocument || !FMissionCommandsEnabled)
    return;
  // Not under the user's hands: a label being edited, or a dialog open, is left alone.
  if (FMissionView->indexWidget(FMissionView->currentIndex()) || FAwaitingLabel ||
      QApplication::activeModalWidget()) {
    FDiskCheck->start();
    return;
  }
  RefreshUndoActions();
  const TGameHistory history(FXvTPath);
  for (const TFileRead& read : FDocument->FilesRead()) {
    const std::string host = HostPath(read.Path);
    if (HostFileDigest(host) != read.Digest) {
      ShowListAgain(QString::fromStdString(history.PathInGame(host)) +
                    QStringLiteral(" changed on disk; shown again"));
      return;
    }
  }
  WatchShownFiles(); // a file replaced is a new file to watch
}

void TixoFlightdeckForm::WatchShownFiles() {
  if (!FWatcher) {
    FWatcher = new QFileSystemWatcher(this);
    FDiskCheck = new QTimer(this);
    FDiskCheck->setSingleShot(true);
    FDiskCheck->setInterval(200);
    connect(FDiskCheck, &QTimer::timeout, this,
            [this] { TixoApplication::Instance()->RunGuarded([this] { CheckFilesOnDisk(); }); });
    const auto check = [this] { FDiskCheck->start(); };
    connect(FWatcher, &QFileSystemWatcher::fileChanged, this, check);
    connect(FWatcher, &QFileSystemWatcher::directoryChanged, this, check);
  }
  if (const QStringList watched = FWatcher->files() + FWatcher->directories(); !watched.isEmpty())
    FWatcher->removePaths(watched);
  if (!FDocument || !FMissionCommandsEnabled)
    return;
  // Files are replaced by renaming, which their folders report; a list written in place
  // reports itself (battle files, as many as a list has battles, are left to their folder); the
  // history's folder tells of commands of the command line.
  QStringList paths{QString::fromStdString(TGameHistory(FXvTPath).Folder())};
  for (const TFileRead& read : FDocument->FilesRead()) {
    const QFileInfo file(QString::fromStdString(HostPath(read.Path)));
    paths << file.absolutePath();
    if (file.exists() && IsListFileName(ExtractFileName(read.Path)))
      paths << file.absoluteFilePath();
  }
  paths.removeDuplicates();
  paths.removeIf([](const QString& path) { return !QFileInfo::exists(path); });
  if (!paths.isEmpty())
    FWatcher->addPaths(paths);
}

void TixoFlightdeckForm::TellRecoveryReports(const TSession& session) {
  for (const std::string& report : session.RecoveryReports())
    Tell(QString::fromStdString(report));
}

void TixoFlightdeckForm::RecoverInterruptedCommand() {
  try {
    const TSession recovery(FXvTPath, "recover");
    TellRecoveryReports(recovery);
  } catch (const EDirectoryBusy&) {
    // Another command holds the game; it recovers what needs it.
  }
}

} // namespace flightdeck
