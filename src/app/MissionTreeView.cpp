// The mission tree: building it from a list file, writing it back, and the category, side
// and selection changes.

#include "app/Application.h"
#include "app/ListText.h"
#include "app/Prompts.h"
#include "app/TixoFlightdeckForm.h"
#include "lists/MissionTree.h"
#include "lists/NextNumber.h"
#include "platform/DirectoryLock.h"
#include "platform/HostPath.h"

#include "widgets/BevelPanel.h"
#include "widgets/FlatSpeedButton.h"
#include <QAction>
#include <QLineEdit>
#include <QTabBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>

namespace flightdeck {

namespace {

struct TMissionTypeSettings {
  bool NeutralOnly;
  const char* NumberCaption;
};

constexpr TMissionTypeSettings MissionTypeSettings[MissionTypeCount] = {
    {true, "       Tour #:"},
    {false, "      Mission #:"},
    {true, "      Mission #:"},
    {true, "  Tournament #:"},
    {false, "      Mission #:"}};

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

TMissionTreeItem* TixoFlightdeckForm::MakeNode(std::unique_ptr<TListFileItem> record,
                                               const std::string& label) {
  auto* node = new TMissionTreeItem(std::move(record));
  node->setText(0, FromList(label));
  node->setFlags(node->flags() | Qt::ItemIsEditable);
  return node;
}

std::string TixoFlightdeckForm::CategoryDirectory() const {
  return FXvTPath + std::string(MissionTypeDir(FMissionType));
}

std::string TixoFlightdeckForm::MissionDirectory() const {
  return MissionFilePath(FXvTPath, FMissionType, "");
}

QString TixoFlightdeckForm::OnDiskFolder(const std::string& folder) const {
  QString path = QString::fromStdString(HostPath(folder));
  while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
    path.chop(1);
  return path;
}

TMessageResult TixoFlightdeckForm::Ask(const QString& caption, const QString& text) {
  return FEnvironment.Prompts->Message(caption, text, TMessageButtons::YesNo);
}

void TixoFlightdeckForm::Tell(const QString& text) {
  FEnvironment.Prompts->Message(ApplicationTitle, text, TMessageButtons::Ok);
}

TMissionTreeItem* TixoFlightdeckForm::SelectedNode() const {
  return static_cast<TMissionTreeItem*>(FMissionView->currentItem());
}

void TixoFlightdeckForm::MissionTypeTabSetChange() {
  if (FMissionView->topLevelItemCount() > 0 && FTreeState == tsIdle) {
    try {
      SaveMissionList();
    } catch (...) {
      // The tree stays where it came from, and so does the tab that shows it.
      const QSignalBlocker blocker(MissionTypeTabSet);
      MissionTypeTabSet->setCurrentIndex(FMissionType);
      throw;
    }
  }
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
  const TMissionTypeSettings& settings = MissionTypeSettings[FMissionType];
  ShowFileNumberPanel->SetCaption(QString::fromLatin1(settings.NumberCaption));
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
    button->setEnabled(!settings.NeutralOnly);
  for (QAction* item : {mMissionGenderRebel, mMissionGenderImperial})
    item->setEnabled(!settings.NeutralOnly);
  if (settings.NeutralOnly) {
    SetGenderControls(gnNeutral);
    FGender = gnNeutral;
  }
}

void TixoFlightdeckForm::ChangeGender(TGender gender) {
  if (FTreeState == tsIdle) {
    try {
      SaveMissionList();
    } catch (...) {
      SetGenderControls(FGender); // the side shown stays the side of the tree
      throw;
    }
  }
  FGender = gender;
  SetGenderControls(gender);
  BuildMissionTreeView();
}

void TixoFlightdeckForm::BuildMissionTreeView() {
  if (FTreeState == tsReleasing)
    return;
  FTreeState = tsBuilding;
  TMissionTree tree;
  try {
    FreeNodeData(0, static_cast<int>(TreeNodes().size()) - 1);
    tree = LoadMissionTree(FXvTPath, FMissionType, FGender);
  } catch (...) {
    FTreeState = tsIdle;
    throw;
  }
  if (tree.HadCorruptEntry)
    FEnvironment.Prompts->Message(
        ApplicationTitle, QStringLiteral("BuildMissionTreeView:  Unrecognized list file item!"),
        TMessageButtons::Ok);

  // Build the items detached and hand the roots to the view at once: much faster for long lists.
  std::vector<TMissionTreeItem*> items;
  items.reserve(tree.Nodes.size());
  QList<QTreeWidgetItem*> roots;
  for (TMissionTreeNode& node : tree.Nodes) {
    TMissionTreeItem* item = MakeNode(std::move(node.Item), node.Label);
    if (node.Parent < 0)
      roots.append(item);
    else
      items[static_cast<std::size_t>(node.Parent)]->addChild(item);
    items.push_back(item);
  }
  FMissionView->addTopLevelItems(roots);
  FMissionView->expandAll();
  RememberListAsStored(CollectTreeItems(0, static_cast<int>(items.size()) - 1));
  FTreeState = tsIdle;
  if (items.empty())
    return;
  if (FMissionView->currentItem() == items.front())
    MissionViewChange();
  else
    FMissionView->setCurrentItem(items.front());
}

void TixoFlightdeckForm::EndLabelEdit() {
  // A label still being edited is dropped, as if the user had pressed Escape.
  if (QWidget* editor = FMissionView->indexWidget(FMissionView->currentIndex()))
    emit FMissionView->itemDelegate()->closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

void TixoFlightdeckForm::RememberListAsStored(const TListItemRefs& items) {
  FListAsStored.clear();
  FListAsStored.reserve(items.size());
  for (const TListFileItem* item : items)
    FListAsStored.push_back(*item);
}

void TixoFlightdeckForm::SaveMissionList() {
  EndLabelEdit();
  const int count = static_cast<int>(TreeNodes().size());
  const TListItemRefs items = CollectTreeItems(0, count - 1);
  const bool unchanged = std::equal(
      items.begin(), items.end(), FListAsStored.begin(), FListAsStored.end(),
      [](const TListFileItem* item, const TListFileItem& stored) { return *item == stored; });
  if (unchanged)
    return;
  const TDirectoryLock lock(FXvTPath); // not while a command-line command changes the game
  SaveMissionTree(FXvTPath, FMissionType, FGender, items);
  RememberListAsStored(items);
}

TListItemRefs TixoFlightdeckForm::CollectTreeItems(int first, int last) {
  TListItemRefs items;
  const std::vector<TMissionTreeItem*> nodes = TreeNodes();
  if (nodes.empty() || first < 0 || first > last || last >= static_cast<int>(nodes.size()))
    return items;
  for (int i = first; i <= last; ++i) {
    TMissionTreeItem* node = nodes[static_cast<std::size_t>(i)];
    if (!node->Record())
      continue;
    node->Record()->Title = ToList(node->text(0));
    items.push_back(node->Record());
  }
  return items;
}

void TixoFlightdeckForm::FreeNodeData(int first, int last) {
  const TTreeState saved = FTreeState;
  FTreeState = tsReleasing;
  const std::vector<TMissionTreeItem*> nodes = TreeNodes();
  if (!nodes.empty()) {
    for (int i = std::max(first, 0); i <= last && i < static_cast<int>(nodes.size()); ++i)
      nodes[static_cast<std::size_t>(i)]->DisposeRecord();
    if (first == 0 && last == static_cast<int>(nodes.size()) - 1)
      FMissionView->clear();
  }
  FTreeState = saved;
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
  if (!node || !node->Record() || FTreeState != tsIdle || FNumberEditIndex != -1)
    return;
  const TListFileItem& record = *node->Record();
  QString caption =
      QStringLiteral("  ") + QString::fromLatin1(ListItemKindName(record.Kind).data());
  if (IsEntry(record.Kind)) {
    ShowFileNumberPanel->setEnabled(true);
    MissionNumberEB->setText(QString::number(record.Number));
    ShowNextNumberButton->setEnabled(true);
    const int count = static_cast<int>(TreeNodes().size());
    ShowNextNumberButton->SetCaption(
        QStringLiteral("Next #: ") +
        QString::number(NextNumber(record.Kind, CollectTreeItems(0, count - 1))));
  }
  if (IsMission(record.Kind))
    caption += QStringLiteral(" (mission file):  ") + FromList(record.FileName);
  ShowFileTitlePanel->SetCaption(caption);
  mnuAddMission->setEnabled(record.Kind != likWar && record.Kind != likTournamentSeries);
}

} // namespace flightdeck
