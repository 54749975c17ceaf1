// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ArchiveProgress.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>

namespace flightdeck {

TArchiveProgress::TArchiveProgress(QWidget* parent, TZipArchiver& zip, const QString& text,
                                   int steps)
    : FDialog(text, QStringLiteral("Cancel"), 0, steps, parent), FZip(zip) {
  if (const auto* window = qobject_cast<QMainWindow*>(parent))
    for (QWidget* part : {window->centralWidget(), static_cast<QWidget*>(window->menuBar())})
      if (part && part->isEnabled()) {
        part->setEnabled(false);
        FDisabled.emplace_back(part);
      }
  FDialog.setWindowModality(Qt::WindowModal);
  FDialog.setMinimumDuration(300);
  FDialog.setAutoClose(false);
  FZip.OnProcessMessages = [this] {
    FDialog.setValue(FDialog.maximum() > 0 ? std::min(++FStep, FDialog.maximum() - 1) : 0);
    QCoreApplication::processEvents();
    if (FDialog.wasCanceled())
      FZip.Abort();
  };
}

TArchiveProgress::~TArchiveProgress() {
  FZip.OnProcessMessages = nullptr;
  FDialog.reset();
  for (const QPointer<QWidget>& part : FDisabled)
    if (part)
      part->setEnabled(true);
}

} // namespace flightdeck
