// SPDX-License-Identifier: GPL-3.0-or-later
// Files from the desktop: dropped on the window or named when the program starts.

#include "app/Application.h"
#include "app/TixoFlightdeckForm.h"
#include "widgets/PathText.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

#include <algorithm>

namespace flightdeck {

bool TixoFlightdeckForm::IsMissionFile(const QString& path) {
  return path.endsWith(QStringLiteral(".tie"), Qt::CaseInsensitive);
}

bool TixoFlightdeckForm::IsPackFile(const QString& path) {
  return path.endsWith(QStringLiteral(".ixo"), Qt::CaseInsensitive);
}

bool TixoFlightdeckForm::AcceptsFilesAt(const QStringList& paths,
                                        const TMissionNode* target) const {
  if (paths.isEmpty())
    return false;
  // A mission needs an entry to go under: the one dropped on, or one of its missions. Anything
  // else is taken, to be installed or told why it cannot be.
  const bool missionTarget = FPanel->CommandsEnabled() && FPanel->List().Document() &&
                             FPanel->List().Document()->MissionParentOf(target) != nullptr;
  return std::all_of(paths.begin(), paths.end(),
                     [&](const QString& path) { return !IsMissionFile(path) || missionTarget; });
}

void TixoFlightdeckForm::OpenFiles(const QStringList& paths, const TMissionNode* target) {
  if (target)
    FPanel->Select(target);
  for (const QString& path : paths) {
    const QFileInfo file(path);
    const QString name = QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
    if (!file.exists())
      Tell(tr("%1 cannot be installed: there is no such file.").arg(name));
    else if (!file.isFile())
      Tell(tr("%1 cannot be installed: it is a folder, not a file.").arg(name));
    else if (!IsPackFile(path) && !IsMissionFile(path))
      Tell(tr("%1 cannot be installed: Flightdeck installs mission packs (.ixo) and mission "
              "files (.tie).")
               .arg(name));
    else if (!FPanel->CommandsEnabled())
      Tell(tr("%1 cannot be installed before the game's folder is chosen (File > Set XvT "
              "Directory).")
               .arg(name));
    else if (IsPackFile(path))
      InstallPackFile(ProgramPath(path));
    else
      FPanel->InstallMissionFile(ProgramPath(path));
  }
}

void TixoFlightdeckForm::dragEnterEvent(QDragEnterEvent* event) {
  // Outside the tree a mission has nowhere to go.
  const QStringList paths = DraggedLocalFiles(event->mimeData());
  if (AcceptsFilesAt(paths, nullptr))
    event->acceptProposedAction();
  else
    event->ignore();
}

void TixoFlightdeckForm::dragMoveEvent(QDragMoveEvent* event) {
  if (AcceptsFilesAt(DraggedLocalFiles(event->mimeData()), nullptr))
    event->acceptProposedAction();
  else
    event->ignore();
}

void TixoFlightdeckForm::dropEvent(QDropEvent* event) {
  const QStringList paths = DraggedLocalFiles(event->mimeData());
  if (!AcceptsFilesAt(paths, nullptr)) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  TixoApplication::Instance()->RunGuarded([&] { OpenFiles(paths); });
}

} // namespace flightdeck
