// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include "app/ListController.h"
#include "app/Prompts.h"
#include "lists/PackageItem.h"
#include "services/PackInstall.h"
#include "zip/ZipArchiver.h"

#include <QString>

#include <string>
#include <vector>

class QWidget;

namespace flightdeck {

// Installing and building mission packs, through the list controller and the prompts; the
// archive work shows its progress over `owner`, whose controls wait meanwhile.
class TPackCommands {
  Q_DECLARE_TR_FUNCTIONS(TPackCommands)

public:
  TPackCommands(TListController& list, TPrompts& prompts, QWidget& owner);

  // Installs the pack `chosen` into the lists of `type` and `side`; what the status line says
  // of it, empty when there is nothing to say.
  QString Install(const std::string& chosen, TMissionType type, TGender side);
  // Builds the pack `chosen` from `branch` of the list of `type` and `side`; what the status
  // line says of it, empty when there is nothing to say.
  QString Build(const TMissionNode& branch, const std::string& chosen, TMissionType type,
                TGender side);
  const std::vector<TPackageItem>& Items() const { return FItems; } // of the pack last built

private:
  // Shows what installing the pack will change; true to install it. Nothing is locked meanwhile.
  bool ConfirmPlan(const std::string& chosen, const TPackPlan& plan);
  // Asks before a pack adds groups the list already holds; true to go on.
  bool ConfirmGroupsAgain(const std::vector<TPackageItem>& items, TGender side);

  TListController& FList;
  TPrompts& FPrompts;
  QWidget& FOwner;
  TZipArchiver FZip;
  std::vector<std::string> FListing; // entry names of the pack being installed
  std::vector<TPackageItem> FItems;
};

} // namespace flightdeck
