// Editing the tree: new groups, battles and tournaments, removing, renaming and moving. Each
// command is one operation of the mission tree; the view then shows what it did.

#include "app/Application.h"
#include "app/ListText.h"
#include "app/MissionView.h"
#include "app/TixoFlightdeckForm.h"
#include "lists/TitleRules.h"
#include "platform/PathNames.h"

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
  TMissionTreeItem* item = MakeItem(FList->Document()->AddGroup());
  FMissionView->addTopLevelItem(item);
  AwaitLabel(item, {"add-group", &item->Node(), false, {}});
}

void TixoFlightdeckForm::mnuAddBattleClick() {
  OpenDialog = {
      OnDiskFolder(CategoryDirectory()),
      QStringLiteral("Specify a New List File to store Mission References in..."),
      QStringLiteral("X-wing vs. TIE Fighter List files   (*.lst)|*.lst|All formats...|*.*"),
      QStringLiteral("lst"), false};
  const std::string typed =
      ExtractFileName(FEnvironment.Prompts->OpenFile(OpenDialog).toStdString());
  TMissionNode* header = FList->Document()->BattleHeaderOf(SelectedTreeNode());
  if (typed.empty() || !header)
    return;
  const TOutcome<TMissionNode*> added = FList->Document()->AddBattle(*header, typed);
  if (!added) {
    Tell(FromList(added.Error()));
    return;
  }
  TMissionTreeItem* item = MakeItem(*added.Value());
  ItemOf(header)->addChild(item);
  FMissionView->setCurrentItem(item);
  MissionNumberEB->setText(QString::number(added.Value()->Record.Number));
  ShowNextNumberButtonClick(this);
  item->setExpanded(item->childCount() > 0);
  AwaitLabel(item, {"add-battle", added.Value(), true, {}});
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
  const std::string label = selected->Node().Label;
  FList->Document()->Remove(selected->Node());
  delete selected;
  if (FList->CommitEdit("remove", label))
    ShowNextNumberButtonClick(this);
}

bool TixoFlightdeckForm::MissionViewLabelAcceptable(QTreeWidgetItem* node, const QString& label) {
  const std::string refusal =
      TitleRefusal(static_cast<TMissionTreeItem*>(node)->Record()->Kind, ToList(label));
  if (!refusal.empty())
    Tell(QString::fromStdString(refusal));
  return refusal.empty();
}

void TixoFlightdeckForm::MissionViewItemChanged(QTreeWidgetItem* item) {
  // The label an item shows is the title of its node: a new one renames the node, and the
  // item shows the name the node took.
  TMissionNode& node = static_cast<TMissionTreeItem*>(item)->Node();
  if (ToList(item->text(0)) != node.Label) {
    FRenamedFrom = node.Label;
    (void)FList->Document()->Rename(node, ToList(item->text(0)));
    // Saved once the editor, or whoever set the label, is done with the item.
    QMetaObject::invokeMethod(
        this, [this] { MissionViewEdited(nullptr); }, Qt::QueuedConnection);
  }
  if (item->text(0) != FromList(node.Label))
    item->setText(0, FromList(node.Label));
}

void TixoFlightdeckForm::AwaitLabel(TMissionTreeItem* item, TLabelledEntry entry) {
  FAwaitingLabel = std::move(entry);
  FMissionView->setCurrentItem(item);
  FMissionView->editItem(item);
}

void TixoFlightdeckForm::MissionViewEdited(QTreeWidgetItem*) {
  TixoApplication::Instance()->RunGuarded([this] {
    if (!FAwaitingLabel) {
      FList->CommitEdit("rename", FRenamedFrom);
      return;
    }
    const TLabelledEntry entry = std::move(*FAwaitingLabel);
    FAwaitingLabel.reset();
    FList->Run(entry.Command, entry.NamedByFile ? entry.Node->Record.FileName : entry.Node->Label,
               [&](TSession& session) {
                 if (entry.Stage)
                   entry.Stage(session);
                 FList->Document()->Save(session);
                 return true;
               });
  });
}

void TixoFlightdeckForm::MissionViewDragDrop(const QPoint& at) {
  TMissionTreeItem* selected = SelectedNode();
  auto* target = static_cast<TMissionTreeItem*>(FMissionView->NodeAtLabel(at));
  if (!selected || !target)
    return;
  if (FList->Document()->Move(selected->Node(), target->Node())) {
    PlaceItem(selected);
    FMissionView->setCurrentItem(selected);
    if (!FList->CommitEdit("move", selected->Node().Label))
      return;
  }
  if (selected->childCount() > 0)
    ExpandAll(selected);
}

} // namespace flightdeck
