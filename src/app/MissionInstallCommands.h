// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include "app/ListController.h"
#include "app/Prompts.h"

#include <functional>
#include <optional>
#include <string>

namespace flightdeck {

// Installing a single mission file, through the list controller and the prompts: the questions
// of the copy first, with nothing locked, then one command with everything the install writes.
class TMissionInstallCommands {
  Q_DECLARE_TR_FUNCTIONS(TMissionInstallCommands)

public:
  TMissionInstallCommands(TListController& list, TPrompts& prompts)
      : FList(list), FPrompts(prompts) {}

  // A mission entry added to the document, waiting for the label the user gives it; Stage
  // stages what its command writes besides the list (the copy, the Combat lists).
  struct TAddedMission {
    TMissionNode* Node = nullptr;
    bool NeedsExpansion = false; // a mission of Balance of Power
    std::function<void(TSession&)> Stage;
  };
  // Installs the mission file `chosen` under `parent` of the list of `type` shown, starting
  // from the title the Combat lists give it. A file that is no mission of this game is
  // installed only when the user agrees. Without a parent, the copy goes in alone as one
  // command and the user is told why no entry came with it. Nothing when no entry was added.
  std::optional<TAddedMission> Install(const std::string& chosen, TMissionType type,
                                       TMissionNode* parent);

private:
  TListController& FList;
  TPrompts& FPrompts;
};

} // namespace flightdeck
