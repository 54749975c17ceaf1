// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include "app/ListController.h"
#include "app/Prompts.h"
#include "journal/History.h"
#include "platform/Outcome.h"

#include <QString>

#include <functional>
#include <string_view>

class QAction;
class QWidget;

namespace flightdeck {

// The Edit menu's commands on the game's history: undoing and redoing what Flightdeck changed,
// and the list of its entries, with their actions. They work through the list controller and
// the prompts alone.
class THistoryCommands {
  Q_DECLARE_TR_FUNCTIONS(THistoryCommands)

public:
  // An undo runs beside `owner`, whose controls wait meanwhile.
  THistoryCommands(TListController& list, TPrompts& prompts, QWidget& owner);

  // Undo, Redo and History, for the window's menu.
  struct TActions {
    QAction* Undo = nullptr;
    QAction* Redo = nullptr;
    QAction* History = nullptr;
  };
  const TActions& Actions() const { return FActions; }
  // Reads the history for what Undo and Redo would take back, in words ("Undo Install Pack
  // DeepSpace.ixo"); with `enabled` false (no game shown) every action is disabled.
  void RefreshActions(bool enabled);
  // A change was just made: there is something to undo. What it is, Undo reads when its menu
  // opens, so that a command does not read the whole history.
  void ChangeRecorded();

  void Undo();
  void Redo();
  // Lists the entries, newest first, and undoes the one chosen.
  void ChooseAndUndo();

private:
  std::vector<THistoryEntry> Entries() const;
  // An undo or a redo: `stage` stages it beside the window, in a session of its own named
  // `command`, which is then committed; the list is read again from what is on disk then.
  void TakeBack(std::string_view command,
                const std::function<TOutcome<THistoryEntry>(TSession&)>& stage);
  void UndoEntry(int id);

  TListController& FList;
  TPrompts& FPrompts;
  QWidget& FOwner;
  TActions FActions;
};

} // namespace flightdeck
