// Editing the tree: new groups, battles and tournaments, removing, renaming and moving.

#include "app/Application.h"
#include "app/ListText.h"
#include "app/MissionView.h"
#include "app/TixoFlightdeckForm.h"
#include "lists/MissionInstall.h"
#include "lists/MissionTree.h"
#include "lists/NextNumber.h"
#include "lists/TextHelpers.h"
#include "lists/TitleRules.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"

#include <QLineEdit>
#include <QTreeWidgetItemIterator>

#include <algorithm>

namespace flightdeck {

namespace {

const char* const CreditLine =
    "  Made with Flightdeck, the mission manager for X-wing vs. TIE Fighter.";

bool IsDescendant(const QTreeWidgetItem* node, const QTreeWidgetItem* ancestor) {
  for (const QTreeWidgetItem* up = node->parent(); up; up = up->parent())
    if (up == ancestor)
      return true;
  return false;
}

void ExpandAll(QTreeWidgetItem* node) {
  node->setExpanded(true);
  for (int i = 0; i < node->childCount(); ++i)
    ExpandAll(node->child(i));
}

} // namespace

void TixoFlightdeckForm::mnuAddCampaignClick() {
  auto record = std::make_unique<TListFileItem>();
  record->Kind = GroupHeaderKind(FMissionType);
  record->Title = "A New " + Trim(ListItemKindName(record->Kind));
  const std::string label = record->Title;
  TMissionTreeItem* node = MakeNode(std::move(record), label);
  FMissionView->addTopLevelItem(node);
  FMissionView->setCurrentItem(node);
  FMissionView->editItem(node);
}

void TixoFlightdeckForm::mnuAddBattleClick() {
  OpenDialog = {
      OnDiskFolder(CategoryDirectory()),
      QStringLiteral("Specify a New List File to store Mission References in..."),
      QStringLiteral("X-wing vs. TIE Fighter List files   (*.lst)|*.lst|All formats...|*.*"),
      QStringLiteral("lst"), false};
  const QString chosen = FEnvironment.Prompts->OpenFile(OpenDialog);
  const std::string typed = ExtractFileName(chosen.toStdString());
  if (typed.empty())
    return;
  const std::string name = WithListExtension(typed);

  TMissionTreeItem* selected = SelectedNode();
  if (!selected || !selected->Record())
    return;
  QTreeWidgetItem* header = selected;
  for (int up = selected->Record()->Kind - GroupHeaderKind(FMissionType); up > 0 && header; --up)
    header = header->parent();
  if (!header || selected->Record()->Kind < GroupHeaderKind(FMissionType))
    return;

  const QString quotedName =
      QLatin1Char('"') + QString::fromStdString(LowerCaseAscii(name)) + QLatin1Char('"');
  // A battle file named like one of the category's lists would overwrite that list.
  if (std::any_of(ListFileNames.begin(), ListFileNames.end(),
                  [&](std::string_view list) { return SameTextAscii(list, name); })) {
    Tell(QStringLiteral("The List File ") + quotedName +
         QStringLiteral(" is one of this category's own mission lists.  Please specify a list file "
                        "of its own for the "
                        "battle/tournament."));
    return;
  }
  for (TMissionTreeItem* node : TreeNodes()) {
    if (node->Record() && SameTextAscii(node->Record()->FileName, name)) {
      Tell(QStringLiteral("The List File ") + quotedName +
           QStringLiteral(" is presently in use by another battle/tournament.  Please specify a "
                          "list file that is not "
                          "already in use."));
      return;
    }
  }

  const TListItemKind kind = EntryKind(FMissionType);
  const std::string kindName(ListItemKindName(kind));
  auto record = std::make_unique<TListFileItem>();
  record->Kind = kind;
  record->Number = PlaceholderNumber;
  record->FileName = name;
  record->Description = {"  This " + LowerCaseAscii(kindName) +
                             " was created with the X-wing vs. TIE Fighter Forgeworks.",
                         CreditLine};
  TListFileItem& entry = *record;
  TMissionTreeItem* node = MakeNode(std::move(record), "A New " + kindName);
  header->addChild(node);
  FMissionView->setCurrentItem(node);
  entry.Number = NextNumber(kind, CollectTreeItems(0, static_cast<int>(TreeNodes().size()) - 1));
  MissionNumberEB->setText(QString::number(entry.Number));
  ShowNextNumberButtonClick(this);

  if (FileExists(CategoryDirectory() + name)) {
    for (TMissionTreeNode& mission :
         LoadBattleMissions(FXvTPath, FMissionType, FGender, name, entry))
      node->addChild(MakeNode(std::move(mission.Item), mission.Label));
    node->setExpanded(node->childCount() > 0);
  }
  FMissionView->editItem(node);
}

void TixoFlightdeckForm::mnuRemoveClick() {
  TMissionTreeItem* selected = SelectedNode();
  if (!selected)
    return;
  const int first = AbsoluteIndex(selected);
  FreeNodeData(first, first + DescendantCount(selected));
  if (FMissionView->topLevelItemCount() > 0) {
    // Taken out of the tree first: the view's reactions to it going must still find a whole
    // node, not one half destroyed.
    if (QTreeWidgetItem* parent = selected->parent())
      parent->removeChild(selected);
    else
      FMissionView->takeTopLevelItem(FMissionView->indexOfTopLevelItem(selected));
    delete selected;
  }
  SaveMissionList();
  ShowNextNumberButtonClick(this);
}

bool TixoFlightdeckForm::MissionViewLabelAcceptable(QTreeWidgetItem* node, const QString& label) {
  const TListFileItem* record = static_cast<TMissionTreeItem*>(node)->Record();
  const std::string refusal = record ? TitleRefusal(record->Kind, ToList(label)) : std::string();
  if (refusal.empty())
    return true;
  Tell(QString::fromStdString(refusal));
  return false;
}

void TixoFlightdeckForm::MissionViewEdited(QTreeWidgetItem* node) {
  if (node->text(0).isEmpty())
    node->setText(0, QStringLiteral(" "));
  SaveMissionList();
}

void TixoFlightdeckForm::MissionViewDragDrop(const QPoint& at) {
  TMissionTreeItem* selected = SelectedNode();
  auto* target = static_cast<TMissionTreeItem*>(FMissionView->NodeAtLabel(at));
  if (!selected || !target || !selected->Record() || !target->Record())
    return;
  const int source = selected->Record()->Kind;
  const int drop = target->Record()->Kind;
  QTreeWidgetItem* anchor = nullptr; // the node to land before, or in as first child
  bool asFirstChild = false;
  if (drop == source) {
    anchor = target;
  } else if (drop == source - 1) {
    anchor = target;
    asFirstChild = true;
  } else if (drop == source + 1) {
    anchor = target->parent();
  } else if (drop == source + 2) {
    anchor = target->parent() ? target->parent()->parent() : nullptr;
  }
  if (anchor && anchor != selected && !IsDescendant(anchor, selected)) {
    QTreeWidgetItem* from = selected->parent();
    if (from)
      from->removeChild(selected);
    else
      FMissionView->takeTopLevelItem(FMissionView->indexOfTopLevelItem(selected));
    if (asFirstChild) {
      anchor->insertChild(0, selected);
    } else if (QTreeWidgetItem* into = anchor->parent()) {
      into->insertChild(into->indexOfChild(anchor), selected);
    } else {
      FMissionView->insertTopLevelItem(FMissionView->indexOfTopLevelItem(anchor), selected);
    }
    FMissionView->setCurrentItem(selected);
  }
  if (selected->childCount() > 0)
    ExpandAll(selected);
}

} // namespace flightdeck
