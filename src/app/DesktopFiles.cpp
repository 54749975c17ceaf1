// SPDX-License-Identifier: GPL-3.0-or-later
// Files from the desktop: dropped on the window or named when the program starts.

#include "app/Application.h"
#include "app/TixoFlightdeckForm.h"
#include "widgets/PathText.h"

#include <QDragEnterEvent>
#include <QDropEvent>
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
  if (paths.isEmpty() || !FMissionCommandsEnabled || !FList->Document())
    return false;
  // A mission needs an entry to go under: the one dropped on, or one of its missions.
  const bool missionTarget = FList->Document()->MissionParentOf(target) != nullptr;
  return std::all_of(paths.begin(), paths.end(), [&](const QString& path) {
    return IsPackFile(path) || (IsMissionFile(path) && missionTarget);
  });
}

void TixoFlightdeckForm::OpenFiles(const QStringList& paths, const TMissionNode* target) {
  if (target)
    Select(target);
  for (const QString& path : paths) {
    if (!FMissionCommandsEnabled)
      return;
    if (IsPackFile(path))
      InstallPackFile(ProgramPath(path));
    else if (IsMissionFile(path))
      InstallMissionFile(ProgramPath(path));
  }
}

void TixoFlightdeckForm::dragEnterEvent(QDragEnterEvent* event) {
  // Outside the tree only a pack has somewhere to go.
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
