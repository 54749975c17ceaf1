#include "app/ArchiveProgress.h"

#include <QCoreApplication>

namespace flightdeck {

TArchiveProgress::TArchiveProgress(QWidget* parent, TZipArchiver& zip, const QString& text,
                                   int steps)
    : FDialog(text, QStringLiteral("Cancel"), 0, steps, parent), FZip(zip) {
  FDialog.setWindowModality(Qt::WindowModal);
  FDialog.setMinimumDuration(500);
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
}

} // namespace flightdeck
