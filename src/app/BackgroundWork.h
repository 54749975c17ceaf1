// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include "zip/ZipArchiver.h"

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <functional>
#include <optional>
#include <type_traits>
#include <vector>

namespace flightdeck {

// One piece of work run away from the window's thread while the window goes on painting.
// Once it has run for a moment, the window's controls and menus wait, disabled, what the user
// clicks or types in it is refused, and a window closed meanwhile closes once the work is
// done (the progress dialog says so); once the work has run for 300 ms
// a progress dialog shows how far it is (a bar where the number of steps is known), with a
// Cancel that asks the work to stop.
class TBackgroundWork : private QObject {
  Q_DECLARE_TR_FUNCTIONS(TBackgroundWork)

public:
  // `steps`: how many steps the work reports, 0 when that is not known.
  TBackgroundWork(QWidget* owner, const QString& text, int steps);
  ~TBackgroundWork() override;
  TBackgroundWork(const TBackgroundWork&) = delete;
  TBackgroundWork& operator=(const TBackgroundWork&) = delete;

  // For the work, on its thread: one more step done; whether the user asked it to stop.
  void Step() { ++FDone; }
  void SetDone(int done) { FDone = done; }
  bool Cancelled() const { return FCancelled; }
  // The window was closed meanwhile: it closes once this work is done.
  bool CloseRequested() const { return FCloseWhenDone; }

  // Runs `work` on a worker and returns what it returns; what it raises is raised here.
  template <typename TWork>
  auto Run(TWork&& work) {
    using TResult = decltype(work());
    if constexpr (std::is_void_v<TResult>) {
      Wait(work);
    } else {
      std::optional<TResult> result;
      Wait([&] { result.emplace(work()); });
      return std::move(*result);
    }
  }
  // Some work of the window is under way.
  static bool Running() { return RunningCount > 0; }

private:
  void Wait(const std::function<void()>& work);
  void DisableWindow(); // its controls and menus, until the work is done
  void ShowProgress();
  bool eventFilter(QObject* watched, QEvent* event) override;

  static int RunningCount;
  QPointer<QWidget> FOwner;
  std::vector<QPointer<QWidget>> FDisabled;
  QPointer<QWidget> FFocus; // where the focus was before
  QProgressDialog FDialog;
  QTimer FTick;
  std::atomic<int> FDone = 0;
  std::atomic<bool> FCancelled = false;
  bool FCloseWhenDone = false;
};

// The archiver's operations as background work: each entry it reports is a step, and the
// writing out of an archive goes through all of them again; Cancel aborts them.
class TArchiveProgress : public TBackgroundWork {
public:
  TArchiveProgress(QWidget* owner, TZipArchiver& zip, const QString& text, int steps);
  ~TArchiveProgress() override;

private:
  TZipArchiver& FZip;
  bool FWriting = false; // on the work's thread
};

// Hands the memory the program freed back to the system, beside the window.
void ReturnFreedMemoryBesideTheWindow();

} // namespace flightdeck
