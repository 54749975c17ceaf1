// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include "app/ListController.h"
#include "app/Prompts.h"
#include "services/CatalogueCheck.h"

#include <functional>
#include <optional>

class QAction;
class QWidget;

namespace flightdeck {

// The Problems view of Search > Problems: what the check finds in the whole game, and the
// fixes it offers, each one command. It works through the list controller and the prompts.
class TProblemCommands {
  Q_DECLARE_TR_FUNCTIONS(TProblemCommands)

public:
  // The check runs beside `owner`, whose controls wait meanwhile; `goTo` shows the finding
  // chosen to go to.
  TProblemCommands(TListController& list, TPrompts& prompts, QWidget& owner,
                   std::function<void(const TFinding&)> goTo);
  // Search > Problems, which shows the findings and goes to the one chosen.
  QAction* Action() const { return FAction; }

private:
  // Shows the findings and makes the fixes chosen, the view opening again on what is left;
  // the finding chosen to go to, if one is.
  std::optional<TFinding> ShowProblems();
  TListController& FList;
  TPrompts& FPrompts;
  QWidget& FOwner;
  QAction* FAction = nullptr;
};

} // namespace flightdeck
