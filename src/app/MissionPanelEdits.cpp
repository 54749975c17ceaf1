// SPDX-License-Identifier: GPL-3.0-or-later
// The panel's handlers of the tree's edits: new groups, battles, tournaments and missions,
// removing, renaming and moving. The edit commands make each change; the tree then shows what
// it did.

#include "app/MissionPanel.h"

#include "app/Application.h"
#include "app/CoreText.h"
#include "app/ListText.h"
#include "app/MissionWords.h"
#include "journal/CommandNames.h"
#include "platform/PathNames.h"
#include "widgets/BevelPanel.h"
#include "widgets/PathText.h"

#include <QLineEdit>

namespace flightdeck {

void TMissionPanel::mnuAddCampaignClick() {
  if (TMissionNode* group = FEdits->AddGroup())
    AwaitLabel({CommandNames::AddGroup, group, false, {}});
}

void TMissionPanel::mnuAddBattleClick() {
  const TOpenDialogRequest dialog = {
      OnDiskFolder(CategoryDirectory()),
      tr("Specify a New List File to store Mission References in..."),
      tr("X-wing vs. TIE Fighter List files   (*.lst)|*.lst|All formats...|*.*"),
      QStringLiteral("lst"), false};
  TMissionNode* added =
      FEdits->AddBattle(SelectedNode(), ExtractFileName(ProgramPath(FPrompts.OpenFile(dialog))));
  if (!added)
    return;
  Select(added);
  ShowEntryNumber(QString::number(added->Record.Number));
  ShowNextNumberButtonClick(false);
  ExpandBranch(*added);
  AwaitLabel({CommandNames::AddBattle, added, true, {}});
}

void TMissionPanel::mnuRemoveClick() {
  TMissionNode* selected = SelectedNode();
  if (!selected)
    return;
  if (FEdits->Remove(*selected))
    ShowNextNumberButtonClick(false);
}

bool TMissionPanel::MissionViewLabelAcceptable(const TMissionNode& node, const QString& label) {
  return FEdits->LabelAcceptable(node.Record.Kind, ToList(label));
}

void TMissionPanel::MissionViewLabelTyped(TMissionNode& node, const QString& label) {
  // The label shown is the title of the node: a new one renames the node.
  if (ToList(label) == node.Label())
    return;
  if (!FList->AwaitingLabel()) // a new entry is checked whole
    FEditMarks = TEditMarks{CommandNames::Rename, &node};
  FEdits->Rename(node, ToList(label));
  // Saved once the editor, or whoever set the label, is done with the node.
  QMetaObject::invokeMethod(
      this, [this] { MissionViewEdited(); }, Qt::QueuedConnection);
}

void TMissionPanel::AwaitLabel(TListController::TNewEntry entry) {
  const QModelIndex node = FModel->IndexOf(entry.Node);
  FList->AwaitLabel(std::move(entry));
  FMissionView->setCurrentIndex(node);
  FMissionView->edit(node);
}

void TMissionPanel::MissionViewEdited() {
  std::optional<std::string> lost;
  TixoApplication::Instance()->RunGuarded([&] { lost = FEdits->LabelDone(); });
  // The list changed on disk under the edit and is shown again: the label typed is offered
  // again on the entry in the same place.
  const QModelIndex current = FMissionView->currentIndex();
  if (!lost || !current.isValid())
    return;
  FMissionView->edit(current);
  if (auto* editor = qobject_cast<QLineEdit*>(FMissionView->indexWidget(current))) {
    editor->setText(FromList(*lost));
    editor->selectAll();
  }
}

void TMissionPanel::MissionViewEditCancelled(const TMissionNode* edited) {
  const bool added = FList->AwaitingLabel();
  if (added && FList->AwaitedNode() != edited)
    return; // its entry was written as it stood, and another one waits now
  TixoApplication::Instance()->RunGuarded([this] { FEdits->LabelCancelled(); });
  if (added) {
    ShowNextNumberButtonClick(false);
    ShowHint(tr("Nothing was added."));
  }
}

void TMissionPanel::OfferSuitedCategory(const std::string& chosen) {
  // The install says why a file it cannot read cannot be installed.
  const TMissionReading reading = ReadMissionFileOrReason(chosen, TMissionDepth::Sizes);
  if (!reading.Mission || PlayFitsCategory(reading.Mission->Play, FMissionType))
    return;
  const TMissionPlay play = reading.Mission->Play;
  const TMissionType suited = play == TMissionPlay::Melee               ? mtMelee
                              : play == TMissionPlay::MultiplayerCombat ? mtCombat
                                                                        : mtTraining;
  if (FPrompts.Ask(tr("Confirm"), tr("This is a %1 mission. Install it under %2 instead?")
                                      .arg(PlayWords(play), CategoryName(suited))))
    ShowMissionType(suited); // its first group is selected
}

void TMissionPanel::InstallMissionFile(const std::string& chosen) {
  OfferSuitedCategory(chosen);
  TMissionNode* parent =
      FList->Document() ? FList->Document()->MissionParentOf(SelectedNode()) : nullptr;
  const std::optional<TMissionInstallCommands::TAddedMission> added =
      FMissionInstall->Install(chosen, FMissionType, parent);
  if (!added)
    return;
  // The entry is written, with the copy and the Combat lists, once the user has given its label.
  Select(added->Node);
  ShowHint(tr("Mission added to %1").arg(FromList(parent->Label())) +
           (added->NeedsExpansion ? tr(". It needs the Balance of Power expansion.") : QString()));
  ShowEntryNumber(QString::number(added->Node->Record.Number));
  ShowNextNumberButtonClick(false);
  AwaitLabel({CommandNames::InstallMission, added->Node, true, added->Stage});
}

void TMissionPanel::MoveSelected(bool up) {
  TMissionNode* selected = SelectedNode();
  if (!selected)
    return;
  TMissionNode* past = nullptr;
  const QString label = FromList(selected->Label());
  FEditMarks = TEditMarks{CommandNames::Move, nullptr};
  switch (FEdits->MoveOnePlace(*selected, up, past)) {
  case TEditCommands::TStep::Moved:
    Select(selected);
    break;
  case TEditCommands::TStep::AtEdge:
    ShowFileTitlePanel->SetCaption((up ? tr(" \"%1\" is the first of its group already.")
                                       : tr(" \"%1\" is the last of its group already."))
                                       .arg(label));
    break;
  case TEditCommands::TStep::Refused:
    ShowFileTitlePanel->SetCaption(
        tr(" \"%1\" cannot move past \"%2\".").arg(label, FromList(past->Label())));
    break;
  case TEditCommands::TStep::ReadAgain:
    break;
  }
}

void TMissionPanel::MissionViewDragDrop(const QPoint& at) {
  TMissionNode* selected = SelectedNode();
  TMissionNode* target = TMissionModel::NodeOf(FMissionView->NodeAtLabel(at));
  if (!selected || !target)
    return;
  bool moved = false;
  FEditMarks = TEditMarks{CommandNames::Move, nullptr};
  if (!FEdits->Move(*selected, *target, moved))
    return; // the list was read again
  if (moved)
    Select(selected);
  ExpandBranch(*selected);
}

} // namespace flightdeck
