// SPDX-License-Identifier: GPL-3.0-or-later
// The mission tree: building it from a list file, writing it back, and the category, side
// and selection changes.

#include "app/Application.h"
#include "app/BackgroundWork.h"
#include "app/CoreText.h"
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

#include <algorithm>

namespace flightdeck {

namespace {

constexpr const char* NumberCaptions[MissionTypeCount] = {
    QT_TRANSLATE_NOOP("flightdeck::TixoFlightdeckForm", "       Tour #:"),
    QT_TRANSLATE_NOOP("flightdeck::TixoFlightdeckForm", "      Mission #:"),
    QT_TRANSLATE_NOOP("flightdeck::TixoFlightdeckForm", "      Mission #:"),
    QT_TRANSLATE_NOOP("flightdeck::TixoFlightdeckForm", "  Tournament #:"),
    QT_TRANSLATE_NOOP("flightdeck::TixoFlightdeckForm", "      Mission #:")};

} // namespace

QString TixoFlightdeckForm::NextNumberCaption(std::int32_t number) {
  return tr("Next #: %1").arg(number);
}

int TixoFlightdeckForm::NumberCaptionWidth(const QFontMetrics& metrics) {
  int widest = 0;
  for (const char* caption : NumberCaptions)
    widest = std::max(widest, metrics.horizontalAdvance(tr(caption)));
  return widest;
}

TMissionType TixoFlightdeckForm::SingleMissionType() const {
  return flightdeck::SingleMissionType(FMissionType);
}

int TixoFlightdeckForm::AbsoluteIndex(const TMissionNode* node) const {
  if (!node || !FList->Document())
    return -1;
  const std::vector<TMissionNode*> nodes = FList->Document()->Nodes();
  return static_cast<int>(std::find(nodes.begin(), nodes.end(), node) - nodes.begin());
}

void TixoFlightdeckForm::Select(const TMissionNode* node) {
  FMissionView->setCurrentIndex(FModel->IndexOf(node));
}

void TixoFlightdeckForm::ExpandBranch(const TMissionNode& node) {
  if (node.Children.empty())
    return;
  FMissionView->expand(FModel->IndexOf(&node));
  for (const std::unique_ptr<TMissionNode>& child : node.Children)
    ExpandBranch(*child);
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

TMissionNode* TixoFlightdeckForm::SelectedNode() const {
  return TMissionModel::NodeOf(FMissionView->currentIndex());
}

void TixoFlightdeckForm::MissionTypeTabSetChange() {
  EndLabelEdit();
  FNumberEditIndex = -1;
  ShowEntryNumber({});
  ShowFileNumberPanel->setEnabled(false);
  for (QAction* item :
       {mnuAddCampaign, mnuAddWar, mnuAddBattle, mnuAddCollection, mnuAddTournament})
    item->setVisible(false);
  FMissionType = static_cast<TMissionType>(MissionTypeTabSet->currentIndex());
  ApplyMissionTypeSettings();
  BuildMissionTreeView();
  KeepSettings();
}

void TixoFlightdeckForm::ApplyMissionTypeSettings() {
  ShowFileNumberPanel->SetCaption(tr(NumberCaptions[FMissionType]));
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
    SetSideControls(gnNeutral);
    FGender = gnNeutral;
  }
}

void TixoFlightdeckForm::ChangeSide(TGender side) {
  EndLabelEdit();
  FGender = side;
  SetSideControls(side);
  BuildMissionTreeView();
  KeepSettings();
}

void TixoFlightdeckForm::BuildMissionTreeView() {
  if (FTreeState != tsReleasing)
    FList->Read(FMissionType, FGender);
}

void TixoFlightdeckForm::ReleaseDocument() {
  // Where the view stood, for the list read again.
  FKeptRow = AbsoluteIndex(SelectedNode());
  FKeptScroll = FMissionView->verticalScrollBar()->value();
  FModel->SetDocument(nullptr);
  ++FCheckGeneration; // what a check finds now is of no list shown
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

bool TixoFlightdeckForm::Busy() const {
  // A label being edited, a new entry waiting for its label, a dialog open, or work under way.
  return FMissionView->indexWidget(FMissionView->currentIndex()) || FEdits->AwaitingLabel() ||
         QApplication::activeModalWidget() || TBackgroundWork::Running();
}

void TixoFlightdeckForm::FinishOpenEdit() {
  if (FEdits->AwaitingLabel())
    MissionViewEdited(); // the new entry, with the label it has
}

void TixoFlightdeckForm::EndLabelEdit() {
  // A label still being edited is dropped, as if the user had pressed Escape.
  if (QWidget* editor = FMissionView->indexWidget(FMissionView->currentIndex()))
    Q_EMIT FMissionView->itemDelegate()->closeEditor(editor,
                                                     QAbstractItemDelegate::RevertModelCache);
  FinishOpenEdit();
}

void TixoFlightdeckForm::MissionViewChange() {
  ShowFileNumberPanel->setEnabled(false);
  ShowNextNumberButton->setEnabled(false);
  ShowNextNumber(QStringLiteral("- - -"));
  ShowEntryNumber({});
  // A pack is built from a node with something under it.
  const TMissionNode* node = SelectedNode();
  const bool hasChildren = node && !node->Children.empty();
  mBuildPack->setEnabled(hasChildren);
  mnuBuildPak->setEnabled(hasChildren);
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
    caption += tr(" (mission file):  ") + FromList(record.FileName);
  ShowFileTitlePanel->SetCaption(caption);
  mnuAddMission->setEnabled(record.Kind != likWar && record.Kind != likTournamentSeries);
}

} // namespace flightdeck
