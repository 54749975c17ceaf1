#pragma once

#include "zip/ZipArchiver.h"

#include <QProgressDialog>

namespace flightdeck {

// While it lives, the archiver's operations keep the window responsive and, once one has run
// for half a second, show how far they are in a progress dialog whose Cancel stops them.
class TArchiveProgress {
public:
  // `steps`: the entries the operations will report, 0 when unknown.
  TArchiveProgress(QWidget* parent, TZipArchiver& zip, const QString& text, int steps);
  ~TArchiveProgress();
  TArchiveProgress(const TArchiveProgress&) = delete;
  TArchiveProgress& operator=(const TArchiveProgress&) = delete;

private:
  QProgressDialog FDialog;
  TZipArchiver& FZip;
  int FStep = 0;
};

} // namespace flightdeck
