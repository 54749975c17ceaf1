// SPDX-License-Identifier: GPL-3.0-or-later
// The form's handlers of the tree's edits: new groups, battles and tournaments, removing,
// renaming and moving. The edit commands make each change; the items then show what it did.

#include "app/Application.h"
#include "app/ListText.h"
#include "app/MissionView.h"
#include "app/TixoFlightdeckForm.h"
#include "platform/PathNames.h"
#include "widgets/PathText.h"

#include <QLineEdit>

namespace flightdeck {

namespace {

void ExpandAll(QTreeWidgetItem* node) {
  node->setExpanded(true);
  for (int i = 0; i < node->childCount(); ++i)
    ExpandAll(node->child(i));
}

} // namespace

void TixoFlightdeckForm::mnuAddCampaignClick() {
  TMissionTreeItem* item = MakeItem(FEdits->AddGroup());
  FMissionView->addTopLevelItem(item);
  AwaitLabel(item, {"add-group", &item->Node(), false, {}});
}

void TixoFlightdeckForm::mnuAddBattleClick() {
  OpenDialog = {
      OnDiskFolder(CategoryDirectory()),
      QStringLiteral("Specify a New List File to store Mission References in..."),
      QStringLiteral("X-wing vs. TIE Fighter List files   (*.lst)|*.lst|All formats...|*.*"),
      QStringLiteral("lst"), false};
  TMissionNode* added = FEdits->AddBattle(
      SelectedTreeNode(), ExtractFileName(ProgramPath(FEnvironment.Prompts->OpenFile(OpenDialog))));
  if (!added)
    return;
  TMissionTreeItem* item = MakeItem(*added);
  ItemOf(added->Parent)->addChild(item);
  FMissionView->setCurrentItem(item);
  MissionNumberEB->setText(QString::number(added->Record.Number));
  ShowNextNumberButtonClick(this);
  item->setExpanded(item->childCount() > 0);
  AwaitLabel(item, {"add-battle", added, true, {}});
}

void TixoFlightdeckForm::mnuRemoveClick() {
  TMissionTreeItem* selected = SelectedNode();
  if (!selected)
    return;
  // Taken out of the view first: the view's reactions to it going must still find a whole
  // node, not one half destroyed.
  if (QTreeWidgetItem* parent = selected->parent())
    parent->removeChild(selected);
  else
    FMissionView->takeTopLevelItem(FMissionView->indexOfTopLevelItem(selected));
  TMissionNode& node = selected->Node();
  delete selected;
  if (FEdits->Remove(node))
    ShowNextNumberButtonClick(this);
}

bool TixoFlightdeckForm::MissionViewLabelAcceptable(QTreeWidgetItem* node, const QString& label) {
  return FEdits->LabelAcceptable(static_cast<TMissionTreeItem*>(node)->Record()->Kind,
                                 ToList(label));
}

void TixoFlightdeckForm::MissionViewItemChanged(QTreeWidgetItem* item) {
  // The label an item shows is the title of its node: a new one renames the node, and the
  // item shows the name the node took.
  TMissionNode& node = static_cast<TMissionTreeItem*>(item)->Node();
  if (ToList(item->text(0)) != node.Label) {
    FEdits->Rename(node, ToList(item->text(0)));
    // Saved once the editor, or whoever set the label, is done with the item.
    QMetaObject::invokeMethod(
        this, [this] { MissionViewEdited(nullptr); }, Qt::QueuedConnection);
  }
  if (item->text(0) != FromList(node.Label))
    item->setText(0, FromList(node.Label));
}

void TixoFlightdeckForm::AwaitLabel(TMissionTreeItem* item, TEditCommands::TNewEntry entry) {
  FEdits->AwaitLabel(std::move(entry));
  FMissionView->setCurrentItem(item);
  FMissionView->editItem(item);
}

void TixoFlightdeckForm::MissionViewEdited(QTreeWidgetItem*) {
  TixoApplication::Instance()->RunGuarded([this] { FEdits->LabelDone(); });
}

void TixoFlightdeckForm::MissionViewDragDrop(const QPoint& at) {
  TMissionTreeItem* selected = SelectedNode();
  auto* target = static_cast<TMissionTreeItem*>(FMissionView->NodeAtLabel(at));
  if (!selected || !target)
    return;
  bool moved = false;
  if (!FEdits->Move(selected->Node(), target->Node(), moved))
    return; // the list was read again
  if (moved) {
    PlaceItem(selected);
    FMissionView->setCurrentItem(selected);
  }
  if (selected->childCount() > 0)
    ExpandAll(selected);
}

} // namespace flightdeck
