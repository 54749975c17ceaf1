// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include "app/ListController.h"
#include "app/Prompts.h"

#include <QString>

#include <cstdint>

namespace flightdeck {

// Entry numbers, through the list controller and the prompts: the next free number, and a new
// number for an entry in the document, which its caller writes at once as one command.
class TNumberCommands {
  Q_DECLARE_TR_FUNCTIONS(TNumberCommands)

public:
  TNumberCommands(TListController& list, TPrompts& prompts) : FList(list), FPrompts(prompts) {}

  std::int32_t NextNumber(TListItemKind kind) const { return FList.Document()->NextNumber(kind); }
  // Gives `entry`, shown as `shown`, the number `typed` in the number box (its own when the box
  // holds none); when another entry holds it, the user is asked whether that one takes the
  // next free number.
  void Renumber(TMissionNode& entry, const QString& typed, const QString& shown);

private:
  TListController& FList;
  TPrompts& FPrompts;
};

} // namespace flightdeck
