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

class QWidget;

namespace flightdeck {

// The Edit menu's commands on the game's history: undoing and redoing what Flightdeck changed,
// and the list of its entries. They work through the list controller and the prompts alone.
class THistoryCommands {
  Q_DECLARE_TR_FUNCTIONS(THistoryCommands)

public:
  // An undo runs beside `owner`, whose controls wait meanwhile.
  THistoryCommands(TListController& list, TPrompts& prompts, QWidget& owner)
      : FList(list), FPrompts(prompts), FOwner(owner) {}

  // What Undo and Redo would take back, in words ("Undo Install Pack DeepSpace.ixo"); empty
  // for nothing.
  struct TCaptions {
    QString Undo;
    QString Redo;
  };
  TCaptions Captions() const;

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
};

} // namespace flightdeck
