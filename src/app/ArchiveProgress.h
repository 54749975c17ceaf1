// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zip/ZipArchiver.h"

#include <QPointer>
#include <QProgressDialog>

#include <vector>

namespace flightdeck {

// While it lives, the archiver's operations keep the window painted and, once one has run for
// a few hundred milliseconds, show how far they are in a progress dialog whose Cancel stops
// them. The window takes no other command meanwhile: its menus and controls are disabled, so a
// click during the work can never change what the work is for.
class TArchiveProgress {
public:
  // `steps`: the entries the operations will report, 0 when unknown.
  TArchiveProgress(QWidget* parent, TZipArchiver& zip, const QString& text, int steps);
  ~TArchiveProgress();
  TArchiveProgress(const TArchiveProgress&) = delete;
  TArchiveProgress& operator=(const TArchiveProgress&) = delete;

private:
  std::vector<QPointer<QWidget>> FDisabled;
  QProgressDialog FDialog;
  TZipArchiver& FZip;
  int FStep = 0;
};

} // namespace flightdeck
