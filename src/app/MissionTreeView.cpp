// SPDX-License-Identifier: GPL-3.0-or-later
// The mission tree: building it from a list file, writing it back, and the category, side
// and selection changes.

#include "app/Application.h"
#include "app/ListText.h"
#include "app/Prompts.h"
#include "app/TixoFlightdeckForm.h"
#include "lists/MissionTree.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "widgets/PathText.h"

#include "widgets/BevelPanel.h"
#include "widgets/FlatSpeedButton.h"
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>

namespace flightdeck {

namespace {

constexpr const char* NumberCaptions[MissionTypeCount] = {
    "       Tour #:", "      Mission #:", "      Mission #:", "  Tournament #:",
    "      Mission #:"};

} // namespace

TMissionType TixoFlightdeckForm::SingleMissionType() const {
  return flightdeck::SingleMissionType(FMissionType);
}

std::vector<TMissionTreeItem*> TixoFlightdeckForm::TreeNodes() const {
  std::vector<TMissionTreeItem*> nodes;
  for (QTreeWidgetItemIterator it(FMissionView); *it; ++it)
    nodes.push_back(static_cast<TMissionTreeItem*>(*it));
  return nodes;
}

int TixoFlightdeckForm::AbsoluteIndex(const QTreeWidgetItem* node) const {
  int index = 0;
  for (QTreeWidgetItemIterator it(FMissionView); *it; ++it, ++index)
    if (*it == node)
      return index;
  return -1;
}

TMissionTreeItem* TixoFlightdeckForm::MakeItem(TMissionNode& node) {
  auto* item = new TMissionTreeItem(node);
  item->setText(0, FromList(node.Label));
  item->setFlags(item->flags() | Qt::ItemIsEditable);
  for (const std::unique_ptr<TMissionNode>& child : node.Children)
    item->addChild(MakeItem(*child));
  return item;
}

TMissionTreeItem* TixoFlightdeckForm::ItemOf(const TMissionNode* node) const {
  for (TMissionTreeItem* item : TreeNodes())
    if (&item->Node() == node)
      return item;
  return nullptr;
}

void TixoFlightdeckForm::PlaceItem(TMissionTreeItem* item) {
  const TMissionNode& node = item->Node();
  const auto& siblings = node.Parent ? node.Parent->Children : FList->Document()->Roots();
  const int index =
      static_cast<int>(std::find_if(siblings.begin(), siblings.end(),
                                    [&](const auto& sibling) { return sibling.get() == &node; }) -
                       siblings.begin());
  if (QTreeWidgetItem* from = item->parent())
    from->removeChild(item);
  else if (const int top = FMissionView->indexOfTopLevelItem(item); top >= 0)
    FMissionView->takeTopLevelItem(top);
  if (node.Parent)
    ItemOf(node.Parent)->insertChild(index, item);
  else
    FMissionView->insertTopLevelItem(index, item);
}

std::string TixoFlightdeckForm::CategoryDirectory() const {
  return FXvTPath + std::string(MissionTypeDir(FMissionType));
}

std::string TixoFlightdeckForm::MissionDirectory() const {
  return MissionFilePath(FXvTPath, FMissionType, "");
}

QString TixoFlightdeckForm::OnDiskFolder(const std::string& folder) const {
  QString path = PathText(HostPath(folder));
  while (path.size() > 1 && path.endsWith(QDir::separator()))
    path.chop(1);
  return path;
}

void TixoFlightdeckForm::Tell(const QString& text) {
  FEnvironment.Prompts->Tell(text);
}

TMissionTreeItem* TixoFlightdeckForm::SelectedNode() const {
  return static_cast<TMissionTreeItem*>(FMissionView->currentItem());
}

TMissionNode* TixoFlightdeckForm::SelectedTreeNode() const {
  return SelectedNode() ? &SelectedNode()->Node() : nullptr;
}

void TixoFlightdeckForm::MissionTypeTabSetChange() {
  EndLabelEdit();
  FNumberEditIndex = -1;
  MissionNumberEB->clear();
  ShowFileNumberPanel->setEnabled(false);
  for (QAction* item :
       {mnuAddCampaign, mnuAddWar, mnuAddBattle, mnuAddCollection, mnuAddTournament})
    item->setVisible(false);
  FMissionType = static_cast<TMissionType>(MissionTypeTabSet->currentIndex());
  ApplyMissionTypeSettings();
  BuildMissionTreeView();
}

void TixoFlightdeckForm::ApplyMissionTypeSettings() {
  ShowFileNumberPanel->SetCaption(QString::fromLatin1(NumberCaptions[FMissionType]));
  const bool neutralOnly = IsNeutralOnly(FMissionType);
  switch (FMissionType) {
  case mtBattles:
    mnuAddWar->setVisible(true);
    mnuAddBattle->setVisible(true);
    break;
  case mtTournaments:
    mnuAddCollection->setVisible(true);
    mnuAddTournament->setVisible(true);
    break;
  default:
    mnuAddCampaign->setVisible(true);
  }
  for (TFlatSpeedButton* button : {GenderRebelBtn, GenderImperialBtn})
    button->setEnabled(!neutralOnly);
  for (QAction* item : {mMissionGenderRebel, mMissionGenderImperial})
    item->setEnabled(!neutralOnly);
  if (neutralOnly) {
    SetGenderControls(gnNeutral);
    FGender = gnNeutral;
  }
}

void TixoFlightdeckForm::ChangeGender(TGender gender) {
  EndLabelEdit();
  FGender = gender;
  SetGenderControls(gender);
  BuildMissionTreeView();
}

void TixoFlightdeckForm::BuildMissionTreeView() {
  if (FTreeState != tsReleasing)
    FList->Read(FMissionType, FGender);
}

void TixoFlightdeckForm::ReleaseDocument() {
  // Where the view stood, for the list read again.
  FKeptRow = SelectedNode() ? AbsoluteIndex(SelectedNode()) : -1;
  FKeptScroll = FMissionView->verticalScrollBar()->value();
  FMissionView->clear();
}

void TixoFlightdeckForm::ShowUnreadable(const QString& reason) {
  // Nothing to edit, and the view and the status line say why; another tab or side still opens.
  FMissionView->setEnabled(false);
  FMissionView->SetPlaceholder(reason);
  ApplicationHint(reason);
}

void TixoFlightdeckForm::ShowDocument(bool keepPlace) {
  FTreeState = tsBuilding;
  FMissionView->setEnabled(true);
  FMissionView->SetPlaceholder({});
  const TMissionTree& document = *FList->Document();
  if (document.HadCorruptEntry())
    Tell(QStringLiteral("BuildMissionTreeView:  Unrecognized list file item!"));

  // Build the items detached and hand the roots to the view at once: much faster for long lists.
  QList<QTreeWidgetItem*> roots;
  QString listFindings;
  try {
    for (const std::unique_ptr<TMissionNode>& node : document.Roots())
      roots.append(MakeItem(*node));
    listFindings = MarkFindings(roots);
  } catch (...) {
    qDeleteAll(roots);
    FTreeState = tsIdle;
    throw;
  }
  FMissionView->addTopLevelItems(roots);
  FMissionView->expandAll();
  FTreeState = tsIdle;
  if (!roots.empty()) {
    if (FMissionView->currentItem() == roots.front())
      MissionViewChange();
    else
      FMissionView->setCurrentItem(roots.front());
  }
  if (!listFindings.isEmpty())
    ApplicationHint(listFindings);
  if (!keepPlace)
    return;
  const std::vector<TMissionTreeItem*> items = TreeNodes();
  if (FKeptRow >= 0 && FKeptRow < static_cast<int>(items.size()))
    FMissionView->setCurrentItem(items[static_cast<std::size_t>(FKeptRow)]);
  FMissionView->verticalScrollBar()->setValue(FKeptScroll);
}

bool TixoFlightdeckForm::Busy() const {
  // A label being edited, a new entry waiting for its label, or a dialog open.
  return FMissionView->indexWidget(FMissionView->currentIndex()) || FEdits->AwaitingLabel() ||
         QApplication::activeModalWidget();
}

void TixoFlightdeckForm::FinishOpenEdit() {
  if (FEdits->AwaitingLabel())
    MissionViewEdited(nullptr); // the new entry, with the label it has
}

void TixoFlightdeckForm::EndLabelEdit() {
  // A label still being edited is dropped, as if the user had pressed Escape.
  if (QWidget* editor = FMissionView->indexWidget(FMissionView->currentIndex()))
    emit FMissionView->itemDelegate()->closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
  FinishOpenEdit();
}

void TixoFlightdeckForm::MissionViewChange() {
  ShowFileNumberPanel->setEnabled(false);
  ShowNextNumberButton->setEnabled(false);
  ShowNextNumberButton->SetCaption(QStringLiteral("- - -"));
  MissionNumberEB->clear();
  // A pack is built from a node with something under it.
  const bool hasChildren = SelectedNode() && SelectedNode()->childCount() > 0;
  mBuildPack->setEnabled(hasChildren);
  mnuBuildPak->setEnabled(hasChildren);
  const TMissionTreeItem* node = SelectedNode();
  if (!node || FTreeState != tsIdle || FNumberEditIndex != -1)
    return;
  const TListFileItem& record = *node->Record();
  QString caption =
      QStringLiteral("  ") + QString::fromLatin1(ListItemKindName(record.Kind).data());
  if (IsEntry(record.Kind)) {
    ShowFileNumberPanel->setEnabled(true);
    MissionNumberEB->setText(QString::number(record.Number));
    ShowNextNumberButton->setEnabled(true);
    ShowNextNumberButton->SetCaption(QStringLiteral("Next #: ") +
                                     QString::number(FList->Document()->NextNumber(record.Kind)));
  }
  // A finding of the check, which names the file itself, says more than the file's name.
  if (const QString finding = node->toolTip(0); !finding.isEmpty())
    caption += QStringLiteral(":  ") + finding.section(QLatin1Char('\n'), 0, 0);
  else if (IsMission(record.Kind))
    caption += QStringLiteral(" (mission file):  ") + FromList(record.FileName);
  ShowFileTitlePanel->SetCaption(caption);
  mnuAddMission->setEnabled(record.Kind != likWar && record.Kind != likTournamentSeries);
}

} // namespace flightdeck
