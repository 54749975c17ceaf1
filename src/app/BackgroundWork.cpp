// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BackgroundWork.h"

#include "platform/FreedMemory.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMainWindow>
#include <QMenuBar>
#include <QThreadPool>

#include <chrono>
#include <exception>
#include <future>
#include <thread>

namespace flightdeck {

int TBackgroundWork::RunningCount = 0;

TBackgroundWork::TBackgroundWork(QWidget* owner, const QString& text, int steps)
    : FOwner(owner), FDialog(text, tr("Cancel"), 0, steps, owner) {
  if (owner)
    FDialog.setWindowTitle(owner->window()->windowTitle());
  FDialog.setWindowModality(Qt::WindowModal);
  FDialog.setMinimumDuration(300);
  FDialog.setAutoClose(false);
  FDialog.setAutoReset(false);
  FTick.setInterval(50);
  QObject::connect(&FTick, &QTimer::timeout, &FDialog, [this] { ShowProgress(); });
  ++RunningCount;
}

TBackgroundWork::~TBackgroundWork() {
  --RunningCount;
  FDialog.reset();
  for (const QPointer<QWidget>& part : FDisabled)
    if (part)
      part->setEnabled(true);
  if (FFocus)
    FFocus->setFocus(); // disabling took it away
}

void TBackgroundWork::DisableWindow() {
  FFocus = QApplication::focusWidget();
  if (const auto* window = qobject_cast<QMainWindow*>(FOwner.data()))
    for (QWidget* part : {window->centralWidget(), static_cast<QWidget*>(window->menuBar())})
      if (part && part->isEnabled()) {
        part->setEnabled(false);
        FDisabled.emplace_back(part);
      }
}

void TBackgroundWork::ShowProgress() {
  // The dialog shows itself once the work has run for its minimum duration.
  const int done = FDone;
  FDialog.setValue(FDialog.maximum() > 0 ? std::min(done, FDialog.maximum() - 1) : 0);
  if (FDialog.wasCanceled())
    FCancelled = true;
}

void TBackgroundWork::Wait(const std::function<void()>& work) {
  QEventLoop loop;
  std::exception_ptr failure;
  std::promise<void> done;
  std::future<void> finished = done.get_future();
  std::thread worker([&] {
    try {
      work();
    } catch (...) {
      failure = std::current_exception();
    }
    done.set_value();
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  // Work done in a moment runs no events of the window meanwhile, and leaves it as it is.
  if (finished.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready) {
    DisableWindow();
    qApp->installEventFilter(this);
    FTick.start();
    ShowProgress();
    loop.exec();
    FTick.stop();
    ShowProgress(); // a Cancel clicked since the last tick counts

    qApp->removeEventFilter(this);
  }
  worker.join();
  if (FCloseWhenDone && FOwner)
    QMetaObject::invokeMethod(FOwner->window(), &QWidget::close, Qt::QueuedConnection);
  if (failure)
    std::rethrow_exception(failure);
}

bool TBackgroundWork::eventFilter(QObject* watched, QEvent* event) {
  // What the user does in the window waits for the work: refused, as in a disabled control.
  const auto* widget = qobject_cast<const QWidget*>(watched);
  if (!widget || !FOwner || widget->window() != FOwner->window())
    return false;
  switch (event->type()) {
  case QEvent::ShortcutOverride: // taken by the control, so no menu command runs
    event->accept();
    return true;
  case QEvent::KeyPress:
  case QEvent::KeyRelease:
  case QEvent::MouseButtonPress:
  case QEvent::MouseButtonRelease:
  case QEvent::MouseButtonDblClick:
  case QEvent::Wheel:
  case QEvent::Drop:
    event->ignore();
    return true;
  case QEvent::Close: // the window closes once the work is done, and says so meanwhile
    event->ignore();
    if (widget == FOwner->window() && !FCloseWhenDone) {
      FCloseWhenDone = true;
      FDialog.setLabelText(FDialog.labelText() + QLatin1Char('\n') +
                           tr("The window closes when this is done."));
    }
    return true;
  default:
    return false;
  }
}

TArchiveProgress::TArchiveProgress(QWidget* owner, TZipArchiver& zip, const QString& text,
                                   int steps)
    : TBackgroundWork(owner, text, steps), FZip(zip) {
  FZip.OnProcessMessages = [this] {
    if (!FWriting)
      Step();
    if (Cancelled())
      FZip.Abort();
  };
  FZip.OnWriting = [this, steps](TZipArchiver&, double done) {
    FWriting = true;
    SetDone(static_cast<int>(done * steps));
  };
}

TArchiveProgress::~TArchiveProgress() {
  FZip.OnProcessMessages = nullptr;
  FZip.OnWriting = nullptr;
}

void ReturnFreedMemoryBesideTheWindow() {
  QThreadPool::globalInstance()->start([] { ReturnFreedMemory(); });
}

} // namespace flightdeck
