// SPDX-License-Identifier: GPL-3.0-or-later
// The list shown: reading it into the tree, the category, side and selection changes, and
// finding entries.

#include "app/MissionPanel.h"

#include "app/Application.h"
#include "app/BackgroundWork.h"
#include "app/CoreText.h"
#include "app/ListText.h"
#include "app/MissionWords.h"
#include "app/Prompts.h"
#include "lists/MissionTree.h"
#include "widgets/PathText.h"

#include "widgets/BevelPanel.h"
#include "widgets/FlatSpeedButton.h"
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>

#include <algorithm>

namespace flightdeck {

int TMissionPanel::AbsoluteIndex(const TMissionNode* node) const {
  if (!node || !FList->Document())
    return -1;
  const std::vector<TMissionNode*> nodes = FList->Document()->Nodes();
  return static_cast<int>(std::find(nodes.begin(), nodes.end(), node) - nodes.begin());
}

void TMissionPanel::Select(const TMissionNode* node) {
  FMissionView->setCurrentIndex(FModel->IndexOf(node));
}

void TMissionPanel::ExpandBranch(const TMissionNode& node) {
  if (node.Children.empty())
    return;
  FMissionView->expand(FModel->IndexOf(&node));
  for (const std::unique_ptr<TMissionNode>& child : node.Children)
    ExpandBranch(*child);
}

std::string TMissionPanel::CategoryDirectory() const {
  return FList->Game() + std::string(MissionTypeDir(FMissionType));
}

std::string TMissionPanel::MissionDirectory() const {
  return MissionFilePath(FList->Game(), FMissionType, "");
}

TMissionNode* TMissionPanel::SelectedNode() const {
  return TMissionModel::NodeOf(FMissionView->currentIndex());
}

void TMissionPanel::MissionTypeTabSetChange() {
  EndLabelEdit();
  FNumberEditIndex = -1;
  ShowEntryNumber({});
  ShowFileNumberPanel->setEnabled(false);
  for (QAction* item : {FActions.AddCampaign, FActions.AddWar, FActions.AddBattle,
                        FActions.AddCollection, FActions.AddTournament})
    item->setVisible(false);
  FMissionType = static_cast<TMissionType>(MissionTypeTabSet->currentIndex());
  ApplyMissionTypeSettings();
  BuildMissionTreeView();
  Q_EMIT ListChosen();
}

void TMissionPanel::ApplyMissionTypeSettings() {
  ShowNumberCaption();
  const bool neutralOnly = IsNeutralOnly(FMissionType);
  switch (FMissionType) {
  case mtBattles:
    FActions.AddWar->setVisible(true);
    FActions.AddBattle->setVisible(true);
    break;
  case mtTournaments:
    FActions.AddCollection->setVisible(true);
    FActions.AddTournament->setVisible(true);
    break;
  default:
    FActions.AddCampaign->setVisible(true);
  }
  for (const TGender side : {gnRebel, gnImperial}) {
    SideButtons[side - gnNeutral]->setEnabled(!neutralOnly);
    FActions.Sides[side - gnNeutral]->setEnabled(!neutralOnly);
  }
  if (neutralOnly) {
    SetSideControls(gnNeutral);
    FSide = gnNeutral;
  }
}

void TMissionPanel::ChangeSide(TGender side) {
  EndLabelEdit();
  FSide = side;
  SetSideControls(side);
  BuildMissionTreeView();
  Q_EMIT ListChosen();
}

void TMissionPanel::SetSideControls(TGender side) {
  SideButtons[side - gnNeutral]->SetDown(true);
  FActions.Sides[side - gnNeutral]->setChecked(true);
}

void TMissionPanel::OpenGame(const std::string& game) {
  FList->OpenGame(game); // the game is shown as it is on disk, whole
  FMissionView->SetPlaceholder({});
  EnableCommands(true);
}

void TMissionPanel::ShowList(TMissionType type, TGender side) {
  FSide = side;
  SetSideControls(side);
  ShowMissionType(type);
}

void TMissionPanel::ShowMissionType(TMissionType type) {
  // The tab strip reports only a change of tab; the category change must run in any case.
  if (MissionTypeTabSet->currentIndex() == type)
    MissionTypeTabSetChange();
  else
    MissionTypeTabSet->setCurrentIndex(type);
}

void TMissionPanel::BuildMissionTreeView() {
  if (FTreeState != tsReleasing)
    FList->Read(FMissionType, FSide);
}

void TMissionPanel::ReleaseDocument() {
  // Where the view stood, for the list read again.
  FKeptRow = AbsoluteIndex(SelectedNode());
  FKeptScroll = FMissionView->verticalScrollBar()->value();
  FModel->SetDocument(nullptr);
  ++FCheckGeneration; // what a check finds now is of no list shown
}

void TMissionPanel::ShowUnreadable(const QString& reason) {
  // Nothing to edit, and the view and the status line say why; another tab or side still opens.
  FMissionView->setEnabled(false);
  FMissionView->SetPlaceholder(reason);
  ShowHint(reason);
}

void TMissionPanel::ShowDocument(bool keepPlace) {
  FTreeState = tsBuilding;
  FMissionView->setEnabled(true);
  FMissionView->SetPlaceholder({});
  TMissionTree& document = *FList->Document();
  if (document.HadCorruptEntry())
    Tell(tr("BuildMissionTreeView:  Unrecognized list file item!"));

  FModel->SetDocument(&document);
  FEditMarks.reset(); // the list is checked whole
  CheckShownList();
  FMissionView->expandAll();
  FTreeState = tsIdle;
  if (!document.Roots().empty()) {
    const TMissionNode* first = document.Roots().front().get();
    if (SelectedNode() == first)
      MissionViewChange();
    else
      Select(first);
  }
  if (!keepPlace)
    return;
  const std::vector<TMissionNode*> nodes = document.Nodes();
  if (FKeptRow >= 0 && FKeptRow < static_cast<int>(nodes.size()))
    Select(nodes[static_cast<std::size_t>(FKeptRow)]);
  FMissionView->verticalScrollBar()->setValue(FKeptScroll);
}

bool TMissionPanel::Busy() const {
  // A label being edited, a dialog open, or work under way.
  return FMissionView->indexWidget(FMissionView->currentIndex()) ||
         QApplication::activeModalWidget() || TBackgroundWork::Running();
}

void TMissionPanel::EndLabelEdit() {
  // A label still being edited is dropped, as if the user had pressed Escape.
  if (QWidget* editor = FMissionView->indexWidget(FMissionView->currentIndex()))
    Q_EMIT FMissionView->itemDelegate()->closeEditor(editor,
                                                     QAbstractItemDelegate::RevertModelCache);
  TixoApplication::Instance()->RunGuarded([this] { FList->WriteAwaited(); }); // as it stands
}

void TMissionPanel::MissionViewChange() {
  ShowFileNumberPanel->setEnabled(false);
  ShowNextNumberButton->setEnabled(false);
  ShowNextNumber(QStringLiteral("- - -"));
  ShowEntryNumber({});
  const TMissionNode* node = SelectedNode();
  Q_EMIT SelectionChanged(node);
  if (!node || FTreeState != tsIdle || FNumberEditIndex != -1)
    return;
  const TListFileItem& record = node->Record;
  QString caption = QStringLiteral("  ") + KindName(record.Kind);
  if (IsEntry(record.Kind)) {
    ShowFileNumberPanel->setEnabled(true);
    ShowEntryNumber(QString::number(record.Number));
    ShowNextNumberButton->setEnabled(true);
    ShowNextNumber(NextNumberCaption(FList->Document()->NextNumber(record.Kind)));
  }
  // A finding of the check, which names the file itself, says more than the file's name.
  if (const QString marked = FModel->MarkText(node); !marked.isEmpty())
    caption += QStringLiteral(":  ") + marked.section(QLatin1Char('\n'), 0, 0);
  else if (IsMission(record.Kind))
    caption += tr(" (mission file):  ") + FromList(record.FileName) + MissionKindOf(record);
  ShowFileTitlePanel->SetCaption(caption);
}

QString TMissionPanel::MissionKindOf(const TListFileItem& record) const {
  // A file that is none, or cannot be read, the marks tell of.
  const TMissionReading reading = ReadMissionFileOrReason(
      MissionFilePath(FList->Game(), FMissionType, record.FileName), TMissionDepth::Sizes);
  return reading.Mission
             ? QStringLiteral(" (") + MissionKindWords(*reading.Mission) + QLatin1Char(')')
             : QString();
}

void TMissionPanel::FindText() {
  const QString text = FPrompts.AskFindText(FSearchText);
  if (text.isEmpty())
    return;
  FSearchText = text;
  FindAgain();
}

void TMissionPanel::FindAgain() {
  if (FSearchText.isEmpty()) {
    FindText();
    return;
  }
  // From the entry after the selected one, round to the top again. A text the code page
  // cannot hold is in no label.
  const std::optional<std::string> text = ListTextExactly(FSearchText);
  const TMissionNode* found =
      text && FList->Document() ? FList->Document()->FindText(SelectedNode(), *text) : nullptr;
  if (found) {
    Select(found);
    FMissionView->scrollTo(FModel->IndexOf(found));
    return;
  }
  ShowHint(tr("\"%1\" is not in this list").arg(FSearchText));
}

} // namespace flightdeck
