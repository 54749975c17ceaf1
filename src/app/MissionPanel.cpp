// SPDX-License-Identifier: GPL-3.0-or-later
// The mission panel's controls and actions, their captions, hints and initial states.

#include "app/MissionPanel.h"

#include "app/Application.h"
#include "app/ClassicFont.h"
#include "app/Controls.h"
#include "app/CoreText.h"
#include "widgets/BevelPanel.h"
#include "widgets/FlatSpeedButton.h"

#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>

namespace flightdeck {

namespace {

// A sunken status panel whose caption starts at its left.
TBevelPanel* StatusPanel(QWidget* parent, const char* name, const QString& caption,
                         TBevelOptions sides) {
  auto* panel = new TBevelPanel(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->SetBevelOuter(bvLowered);
  panel->SetBevelOptions(sides);
  panel->SetAlignment(Qt::AlignLeft);
  panel->SetCaption(caption);
  return panel;
}

} // namespace

TMissionPanel::TMissionPanel(TPrompts& prompts, QWidget* parent)
    : QWidget(parent), FPrompts(prompts) {
  setObjectName(QStringLiteral("MissionPanel"));
  FList = new TListController(*this, this);
  FMissionInstall = std::make_unique<TMissionInstallCommands>(*FList, FPrompts);
  FEdits = std::make_unique<TEditCommands>(*FList, FPrompts);
  FNumbers = std::make_unique<TNumberCommands>(*FList, FPrompts);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  CreateMissionView();
  CreateStatusBar();
  CreateSideControls();
  CreateActions();
  layout->addWidget(MissionViewPanel, 1);
  layout->addWidget(StatusBasePanel);
  EnableCommands(false); // until a game is shown
}

TMissionPanel::~TMissionPanel() {
  // The tree lives on while the panel's base classes go: it must not call back into the panel
  // from then on (an open label editor commits as it closes).
  FMissionView->AcceptLabel = nullptr;
  FMissionView->disconnect(this);
  FMissionView->itemDelegate()->disconnect(this);
  MissionTypeTabSet->disconnect(this);
  FModel->LabelTyped = nullptr;
  FModel->SetDocument(nullptr); // the list controller and its document go first
}

int TMissionPanel::WidthNeeded() const {
  return MissionTypeTabSet->sizeHint().width() + 2 * MissionViewPanel->BorderWidth();
}

void TMissionPanel::CreateMissionView() {
  MissionViewPanel = new TBevelPanel(this);
  MissionViewPanel->setObjectName(QStringLiteral("MissionViewPanel"));
  MissionViewPanel->SetBevelOuter(bvNone);
  MissionViewPanel->SetBorderWidth(5);
  auto* layout = new QVBoxLayout(MissionViewPanel);
  layout->setContentsMargins(0, 0, 0, 0); // the panel's border keeps the tree 5 pixels in
  layout->setSpacing(0);
  FMissionView = new TMissionView(MissionViewPanel);
  FMissionView->setObjectName(QStringLiteral("MissionView"));
  FMissionView->setAccessibleName(tr("Missions"));
  FModel = new TMissionModel(this);
  FMissionView->setModel(FModel);
  FMissionView->setHeaderHidden(true);
  FMissionView->setIndentation(19);
  FMissionView->setEditTriggers(QAbstractItemView::SelectedClicked |
                                QAbstractItemView::EditKeyPressed);
  FMissionView->setContextMenuPolicy(Qt::CustomContextMenu);
  layout->addWidget(FMissionView, 1);
  MissionTypeTabSet = new QTabBar(MissionViewPanel);
  MissionTypeTabSet->setObjectName(QStringLiteral("MissionTypeTabSet"));
  MissionTypeTabSet->setShape(QTabBar::RoundedSouth);
  MissionTypeTabSet->setFont(ClassicFont("MS Sans Serif")); // not translated: a font
  MissionTypeTabSet->setUsesScrollButtons(false);
  MissionTypeTabSet->setExpanding(false);
  MissionTypeTabSet->setDrawBase(true);
  MissionTypeTabSet->setStyleSheet(
      QStringLiteral("QTabBar::tab { padding: 2px 5px; min-height: 17px; }"));
  for (int type = mtBattles; type <= mtTraining; ++type)
    MissionTypeTabSet->addTab(CategoryName(static_cast<TMissionType>(type)));
  layout->addWidget(MissionTypeTabSet);

  connect(FMissionView->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &TMissionPanel::MissionViewChange);
  connect(FMissionView, &QTreeView::customContextMenuRequested, this, [this](const QPoint& at) {
    Q_EMIT ContextMenuRequested(FMissionView->viewport()->mapToGlobal(at));
  });
  connect(MissionTypeTabSet, &QTabBar::currentChanged, this,
          &TMissionPanel::MissionTypeTabSetChange);
  FModel->LabelTyped = [this](TMissionNode& node, const QString& label) {
    MissionViewLabelTyped(node, label);
  };
  // A check under way is of the list as it was before an entry came, went or moved.
  const auto changed = [this] { ++FCheckGeneration; };
  connect(FModel, &QAbstractItemModel::rowsInserted, this, changed);
  connect(FModel, &QAbstractItemModel::rowsRemoved, this, changed);
  connect(FModel, &QAbstractItemModel::rowsMoved, this, changed);
  // Also a label editor closed without a change ends an edit: a new entry keeps its label.
  // Escape takes a new entry back.
  connect(FMissionView->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
          [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
            const bool escaped = hint == QAbstractItemDelegate::RevertModelCache;
            const TMissionNode* edited = FList->AwaitedNode(); // the new entry it was for
            QMetaObject::invokeMethod(
                this,
                [this, escaped, edited] {
                  escaped ? MissionViewEditCancelled(edited) : MissionViewEdited();
                },
                Qt::QueuedConnection);
          });
  FMissionView->AcceptLabel = [this](const QModelIndex& node, const QString& label) {
    return MissionViewLabelAcceptable(*TMissionModel::NodeOf(node), label);
  };
  connect(FMissionView, &TMissionView::DropRequested, this, &TMissionPanel::MissionViewDragDrop);
  // Shift+F10 opens the context menu of the selected entry, as the menu key does.
  auto* menuKey = new QShortcut(QKeySequence(QStringLiteral("Shift+F10")), FMissionView, nullptr,
                                nullptr, Qt::WidgetShortcut);
  connect(menuKey, &QShortcut::activated, this, [this] {
    const QRect entry = FMissionView->visualRect(FMissionView->currentIndex());
    Q_EMIT ContextMenuRequested(
        FMissionView->viewport()->mapToGlobal(entry.isNull() ? QPoint(0, 0) : entry.bottomLeft()));
  });
}

void TMissionPanel::CreateStatusBar() {
  StatusBasePanel = new TBevelPanel(this);
  StatusBasePanel->setObjectName(QStringLiteral("StatusBasePanel"));
  StatusBasePanel->SetBevelOuter(bvNone);
  StatusBasePanel->setFixedHeight(TextBoxHeight(fontMetrics()) + 6);
  auto* layout = new QHBoxLayout(StatusBasePanel);
  layout->setContentsMargins(0, 1, 0, 1);
  layout->setSpacing(0);
  // The number panel is open at its right, so it joins the title panel without a line.
  ShowFileNumberPanel = StatusPanel(StatusBasePanel, "ShowFileNumberPanel", tr("  Mission #:"),
                                    boTop | boBottom | boLeft);
  // Room for the longest caption and a box of four digits.
  ShowFileNumberPanel->setFixedWidth(NumberCaptionWidth(fontMetrics()) + 8);
  auto* numberLayout = new QHBoxLayout(ShowFileNumberPanel);
  numberLayout->setContentsMargins(0, 1, 3, 1);
  numberLayout->addStretch(1);
  MissionNumberEB = new QLineEdit(ShowFileNumberPanel);
  MissionNumberEB->setObjectName(QStringLiteral("MissionNumberEB"));
  MissionNumberEB->setFixedHeight(TextBoxHeight(fontMetrics()));
  // Up to four digits or blanks typed; a number the list holds is shown whole.
  MissionNumberEB->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[0-9 ]{0,4}")), MissionNumberEB));
  MissionNumberEB->installEventFilter(this);
  MissionNumberEB->setToolTip(tr("Change Mission Number"));
  MissionNumberEB->setAccessibleName(tr("Change Mission Number"));
  MissionNumberEB->setStatusTip(tr("Change Mission Number"));
  numberLayout->addWidget(MissionNumberEB);
  layout->addWidget(ShowFileNumberPanel);
  ShowEntryNumber({}); // the box four digits wide, the panel wider by as much
  ShowFileTitlePanel =
      StatusPanel(StatusBasePanel, "ShowFileTitlePanel", tr("  Mission File"), AllBevelSides);
  layout->addWidget(ShowFileTitlePanel, 1);
}

void TMissionPanel::CreateSideControls() {
  ShowNextNumberButton = ToolButton(this, "ShowNextNumberButton", tr("Next Mission Number"));
  ShowNextNumberButton->setFixedHeight(CaptionButtonHeight(fontMetrics()));
  ShowNextNumber(QStringLiteral("- - -"));
  ShowNextNumberButton->OnClick = [this] { ShowNextNumberButtonClick(true); };
  SideButtons[0] = ToolButton(this, "GenderNeutralBtn", TToolGlyph::Neutral,
                              tr("Neutral (Multiplayer) missions"));
  SideButtons[1] = ToolButton(this, "GenderRebelBtn", TToolGlyph::Rebel, tr("Rebel missions"));
  SideButtons[2] =
      ToolButton(this, "GenderImperialBtn", TToolGlyph::Imperial, tr("Imperial missions"));
  FSideActions = new QActionGroup(this);
  FActions.Sides[0] = NamedAction(this, "mMissionGenderNeutral", tr("&Neutral (Multiplayer)"));
  FActions.Sides[1] = NamedAction(this, "mMissionGenderRebel", tr("&Rebel"));
  FActions.Sides[2] = NamedAction(this, "mMissionGenderImperial", tr("&Imperial"));
  for (const TGender side : {gnNeutral, gnRebel, gnImperial}) {
    TFlatSpeedButton* button = SideButtons[side - gnNeutral];
    QAction* item = FActions.Sides[side - gnNeutral];
    // One group, which always keeps one side down, reached with Tab as well.
    button->SetGroupIndex(1);
    button->setFocusPolicy(Qt::TabFocus);
    button->OnClick = [this, side] { ChangeSide(side); };
    item->setCheckable(true);
    FSideActions->addAction(item);
    connect(item, &QAction::triggered, this, [this, side] { ChangeSide(side); });
  }
  ShowNextNumberButton->setFocusPolicy(Qt::TabFocus);
}

void TMissionPanel::CreateActions() {
  FActions.AddCampaign = NamedAction(this, "mnuAddCampaign", tr("New &Campaign"));
  FActions.AddWar = NamedAction(this, "mnuAddWar", tr("New &War"));
  FActions.AddBattle = NamedAction(this, "mnuAddBattle", tr("New &Battle"));
  FActions.AddCollection = NamedAction(this, "mnuAddCollection", tr("New Tournament &Series"));
  FActions.AddTournament = NamedAction(this, "mnuAddTournament", tr("New &Tournament..."));
  FActions.Remove = NamedAction(this, "mnuRemove", tr("&Remove"), QKeySequence(Qt::Key_Delete));
  FActions.MoveUp =
      NamedAction(this, "mEditMoveUp", tr("Move U&p"), QKeySequence(QStringLiteral("Ctrl+Up")),
                  tr("Move the selected entry one place up"));
  FActions.MoveDown = NamedAction(this, "mEditMoveDown", tr("Move &Down"),
                                  QKeySequence(QStringLiteral("Ctrl+Down")),
                                  tr("Move the selected entry one place down"));
  FActions.Find = NamedAction(this, "mSearchFind", tr("&Find"), QKeySequence(QKeySequence::Find),
                              tr("Find an entry by its title or mission file"));
  FActions.FindAgain =
      NamedAction(this, "mSearchAgain", tr("&Search Again"), QKeySequence(QKeySequence::FindNext),
                  tr("Find the next entry with the same text"));
  for (QAction* item : {FActions.AddCampaign, FActions.AddWar, FActions.AddBattle,
                        FActions.AddCollection, FActions.AddTournament})
    item->setVisible(false); // until a category is shown
  for (QAction* item : {FActions.AddCampaign, FActions.AddWar, FActions.AddCollection})
    connect(item, &QAction::triggered, this, &TMissionPanel::mnuAddCampaignClick);
  for (QAction* item : {FActions.AddBattle, FActions.AddTournament})
    connect(item, &QAction::triggered, this, &TMissionPanel::mnuAddBattleClick);
  connect(FActions.Remove, &QAction::triggered, this, &TMissionPanel::mnuRemoveClick);
  connect(FActions.MoveUp, &QAction::triggered, this, [this] { MoveSelected(true); });
  connect(FActions.MoveDown, &QAction::triggered, this, [this] { MoveSelected(false); });
  connect(FActions.Find, &QAction::triggered, this, &TMissionPanel::FindText);
  connect(FActions.FindAgain, &QAction::triggered, this, &TMissionPanel::FindAgain);
  // Delete removes the selected entry while the tree itself has the focus (not a label editor).
  auto* removeKey = new QShortcut(QKeySequence(Qt::Key_Delete), FMissionView, nullptr, nullptr,
                                  Qt::WidgetShortcut);
  connect(removeKey, &QShortcut::activated, this, &TMissionPanel::mnuRemoveClick);
}

void TMissionPanel::EnableCommands(bool enable) {
  FCommandsEnabled = enable;
  for (QWidget* control :
       std::initializer_list<QWidget*>{MissionViewPanel, ShowNextNumberButton, SideButtons[0],
                                       SideButtons[1], SideButtons[2], MissionNumberEB})
    control->setEnabled(enable);
  for (QAction* item : {FActions.Sides[0], FActions.Sides[1], FActions.Sides[2], FActions.MoveUp,
                        FActions.MoveDown, FActions.Find, FActions.FindAgain})
    item->setEnabled(enable);
}

void TMissionPanel::ShowHint(const QString& hint) {
  ShowStatus(QLatin1Char(' ') + hint);
}

void TMissionPanel::ShowStatus(const QString& caption) {
  ShowFileTitlePanel->SetCaption(caption);
}

void TMissionPanel::Tell(const QString& text) {
  FPrompts.Tell(text);
}

} // namespace flightdeck
