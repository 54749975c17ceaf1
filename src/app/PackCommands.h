// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include "app/ListController.h"
#include "app/Prompts.h"
#include "lists/PackageItem.h"
#include "packs/PackInstall.h"
#include "zip/ZipArchiver.h"

#include <QString>

#include <memory>
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

  // Installs the pack `chosen`, offering the lists of `type` and `side` (the ones shown) unless
  // the pack suits another category; `type` and `side` are where it went. What the status line
  // says of it, empty when there is nothing to say.
  QString Install(const std::string& chosen, TMissionType& type, TGender& side);
  // Builds the pack `chosen` from `branch` of the list of `type` and `side`; what the status
  // line says of it, empty when there is nothing to say.
  QString Build(const TMissionNode& branch, const std::string& chosen, TMissionType type,
                TGender side);
  const std::vector<TPackageItem>& Items() const { return FItems; } // of the pack last built
  // Shows the packs installed into the game, and takes out the one the user chooses, after
  // saying what that does; what the status line says of it, empty when there is nothing to say.
  QString ShowInstalled();

private:
  // The install of the pack listed into `target`, staged with its plan; false, the user told
  // why, when it cannot be made or was cancelled (FPlanCancelled). Nothing is locked meanwhile.
  bool Plan(const TPackTarget& target, int replacing = 0);
  static QStringList PlanLines(const TPackPlan& plan);
  // Asks before a pack's files that are no missions of this game go in; true to go on.
  bool ConfirmNonMissions(const std::vector<TNonMission>& nonMissions);
  // Asks before a pack adds groups the list already holds; true to go on.
  bool ConfirmGroupsAgain(const std::vector<TPackageItem>& items, const TPackTarget& target);

  // Asks before a pack is taken out, saying what that does; true to go on.
  bool ConfirmRemoval(const std::string& pack, const TPackRemoval& removal);

  struct TPlan {
    TPackTarget Target;
    TPackPlan Plan;
    TFileTransaction Staging;
    TFilesRead Read;
    // The installed pack this one is another copy or version of, if any: its install's entry,
    // and the pack in words.
    int Like = 0;
    QString LikeText;
  };
  std::unique_ptr<TPlan> FPlan; // of the pack being installed
  bool FPlanCancelled = false;
  QString FPlanFailure;

  TListController& FList;
  TPrompts& FPrompts;
  QWidget& FOwner;
  TZipArchiver FZip;
  std::vector<std::string> FListing; // entry names of the pack being installed
  std::vector<TPackageItem> FItems;
};

} // namespace flightdeck
