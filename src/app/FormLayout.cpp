// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the main window, their captions, hints and initial states.

#include "app/AboutBox.h"
#include "app/Application.h"
#include "app/ClassicFont.h"
#include "app/CoreText.h"
#include "app/MissionView.h"
#include "app/Prompts.h"
#include "app/TixoFlightdeckForm.h"
#include "app/ToolGlyphs.h"
#include "widgets/BevelPanel.h"
#include "widgets/FlatSpeedButton.h"
#include "widgets/FolderBrowseDlg.h"

#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>

namespace flightdeck {

namespace {

QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                 const QKeySequence& shortcut = {}, const QString& hint = {}) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(shortcut);
  action->setStatusTip(hint);
  return action;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption) {
  QMenu* menu = bar->addMenu(caption);
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

TFlatSpeedButton* AddButton(QWidget* panel, const char* name, const QString& hint) {
  auto* button = new TFlatSpeedButton(panel);
  button->setObjectName(QString::fromLatin1(name));
  button->setFixedSize(25, 25);
  button->setStatusTip(hint);
  button->setToolTip(hint);
  panel->layout()->addWidget(button);
  return button;
}

TFlatSpeedButton* AddButton(QWidget* panel, const char* name, TToolGlyph glyph,
                            const QString& hint) {
  TFlatSpeedButton* button = AddButton(panel, name, hint);
  button->SetGlyph(ToolGlyph(glyph));
  return button;
}

constexpr int NextNumberButtonWidth = 65; // at least

// Heights that grow with the font, from those of the classic 8 pt font: a line of text in a
// box, a button with a caption, the status bar around the box, the tool bar around a button.
int TextBoxHeight(const QFontMetrics& metrics) {
  return std::max(17, metrics.height() + 3);
}
int CaptionButtonHeight(const QFontMetrics& metrics) {
  return std::max(25, metrics.height() + 9);
}

// Four digits with the line edit's margins around them.
int MissionNumberBoxWidth(const QFontMetrics& metrics) {
  return metrics.horizontalAdvance(QStringLiteral("9999")) + 10;
}

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

void TixoFlightdeckForm::CreateControls() {
  setFont(ClassicFont("Arial"));
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  setCentralWidget(central);
  CreateMenus();
  CreateToolBar();
  CreateMissionView();
  CreateStatusBar();
  layout->addWidget(TopPanel);
  layout->addWidget(MissionViewPanel, 1);
  layout->addWidget(StatusBasePanel);
  // Tab goes through the window from top to bottom.
  QWidget* const order[] = {ShowNextNumberButton, GenderNeutralBtn, GenderRebelBtn,
                            GenderImperialBtn,    FMissionView,     MissionTypeTabSet,
                            MissionNumberEB};
  for (std::size_t i = 1; i < std::size(order); ++i)
    setTabOrder(order[i - 1], order[i]);
  BrowseDirDialog = new TFolderBrowseDlg(this);

  // The mission commands wait for a game directory. Qt would still fire the shortcuts of the
  // items in a disabled menu, so those items are disabled with their menu.
  for (QWidget* control : std::initializer_list<QWidget*>{
           InstallMissionBtn, InstallPackBtn, ShowNextNumberButton, GenderNeutralBtn,
           GenderRebelBtn, GenderImperialBtn, MissionNumberEB})
    control->setEnabled(false);
  for (QMenu* menu : {mInstall, mMissionGender, mSearch}) {
    menu->setEnabled(false);
    for (QAction* item : menu->actions())
      item->setEnabled(false);
  }
}

void TixoFlightdeckForm::CreateMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("ControlMenu"));
  mFile = AddMenu(bar, "mFile", tr("&File"));
  mFileSetXvTDirectory =
      AddItem(mFile, "mFileSetXvTDirectory", tr("Set XvT &Directory"),
              QKeySequence(QStringLiteral("Ctrl+D")), tr("Set your XvT Directory"));
  mFile->addSeparator();
  mFileNew = AddItem(mFile, "mFileNew", tr("&New Mission"), QKeySequence(QStringLiteral("Ctrl+N")),
                     tr("Create a New XvT Mission"));
  mFileOpen = AddItem(mFile, "mFileOpen", tr("&Open Mission"),
                      QKeySequence(QStringLiteral("Ctrl+O")), tr("Open an existing XvT Mission"));
  mFileEdit = AddItem(mFile, "mFileEdit", tr("&Edit Selected Mission"),
                      QKeySequence(QStringLiteral("Ctrl+E")), tr("Edit the Selected XvT Mission"));
  mFile->addSeparator();
  mFileExit =
      AddItem(mFile, "mFileExit", tr("E&xit"), QKeySequence(QStringLiteral("Ctrl+Q")), tr("Doh!"));
  for (QAction* never : {mFileNew, mFileOpen, mFileEdit})
    never->setEnabled(false);

  mEdit = AddMenu(bar, "mEdit", tr("&Edit"));
  mEditUndo = AddItem(mEdit, "mEditUndo", tr("&Undo"), QKeySequence(QStringLiteral("Ctrl+Z")),
                      tr("Take back the last change Flightdeck made to the game"));
  mEditRedo = AddItem(mEdit, "mEditRedo", tr("&Redo"), QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                      tr("Make again the change last taken back"));
  mEdit->addSeparator();
  mEditHistory = AddItem(mEdit, "mEditHistory", tr("&History..."), {},
                         tr("Every change Flightdeck made to this game"));
  mEdit->addSeparator();
  mEditMoveUp =
      AddItem(mEdit, "mEditMoveUp", tr("Move U&p"), QKeySequence(QStringLiteral("Ctrl+Up")),
              tr("Move the selected entry one place up"));
  mEditMoveDown =
      AddItem(mEdit, "mEditMoveDown", tr("Move &Down"), QKeySequence(QStringLiteral("Ctrl+Down")),
              tr("Move the selected entry one place down"));
  for (QAction* item : {mEditUndo, mEditRedo, mEditHistory, mEditMoveUp, mEditMoveDown})
    item->setEnabled(false); // until a game is shown
  connect(mEdit, &QMenu::aboutToShow, this, [this] { RefreshUndoActions(); });
  connect(mEditUndo, &QAction::triggered, this, &TixoFlightdeckForm::mEditUndoClick);
  connect(mEditRedo, &QAction::triggered, this, &TixoFlightdeckForm::mEditRedoClick);
  connect(mEditHistory, &QAction::triggered, this, &TixoFlightdeckForm::mEditHistoryClick);
  connect(mEditMoveUp, &QAction::triggered, this, [this] { MoveSelected(true); });
  connect(mEditMoveDown, &QAction::triggered, this, [this] { MoveSelected(false); });

  mInstall = AddMenu(bar, "mInstall", tr("&Install"));
  mInstallMission = AddItem(mInstall, "mInstallMission", tr("Single &Mission"),
                            QKeySequence(QStringLiteral("Ctrl+M")), tr("Install an XvT Mission"));
  mInstallPack = AddItem(mInstall, "mInstallPack", tr("Mission &Pack"),
                         QKeySequence(QStringLiteral("Ctrl+P")));
  mInstall->addSeparator();
  mBuildPack = AddItem(mInstall, "mBuildPack", tr("&Build Mission Pack"));
  mInstallPack->setEnabled(false);
  mBuildPack->setEnabled(false);

  mSearch = AddMenu(bar, "mSearch", tr("&Search"));
  mSearchFind = AddItem(mSearch, "mSearchFind", tr("&Find"), QKeySequence(QKeySequence::Find),
                        tr("Find an entry by its title or mission file"));
  mSearchAgain =
      AddItem(mSearch, "mSearchAgain", tr("&Search Again"), QKeySequence(QKeySequence::FindNext),
              tr("Find the next entry with the same text"));
  mSearch->addSeparator();
  mSearchProblems = AddItem(mSearch, "mSearchProblems", tr("&Problems..."),
                            QKeySequence(QStringLiteral("Ctrl+Shift+P")),
                            tr("Check the whole game for broken entries and files"));
  connect(mSearchFind, &QAction::triggered, this, [this] { mSearchFindClick(); });
  connect(mSearchProblems, &QAction::triggered, this, [this] { mSearchProblemsClick(); });
  connect(mSearchAgain, &QAction::triggered, this, [this] { mSearchAgainClick(); });

  mMissionGender = AddMenu(bar, "mMissionGender", tr("Mission &Gender"));
  FSideActions = new QActionGroup(this);
  mMissionGenderNeutral =
      AddItem(mMissionGender, "mMissionGenderNeutral", tr("&Neutral (Multiplayer)"));
  mMissionGenderRebel = AddItem(mMissionGender, "mMissionGenderRebel", tr("&Rebel"));
  mMissionGenderImperial = AddItem(mMissionGender, "mMissionGenderImperial", tr("&Imperial"));
  for (QAction* item : {mMissionGenderNeutral, mMissionGenderRebel, mMissionGenderImperial}) {
    item->setCheckable(true);
    FSideActions->addAction(item);
  }

  mHelp = AddMenu(bar, "mHelp", tr("&Help"));
  QAction* manual = AddItem(mHelp, "mHelpManual", tr("&Manual"), QKeySequence(QStringLiteral("F1")),
                            tr("How to use Flightdeck"));
  QAction* about = AddItem(mHelp, "mHelpAbout", tr("&About"));

  MissionViewPopUp = new QMenu(this);
  MissionViewPopUp->setObjectName(QStringLiteral("MissionViewPopUp"));
  mnuAddCampaign = AddItem(MissionViewPopUp, "mnuAddCampaign", tr("New &Campaign"));
  mnuAddWar = AddItem(MissionViewPopUp, "mnuAddWar", tr("New &War"));
  mnuAddBattle = AddItem(MissionViewPopUp, "mnuAddBattle", tr("New &Battle"));
  mnuAddCollection = AddItem(MissionViewPopUp, "mnuAddCollection", tr("New Tournament &Series"));
  mnuAddTournament = AddItem(MissionViewPopUp, "mnuAddTournament", tr("New &Tournament..."));
  MissionViewPopUp->addSeparator();
  mnuAddMission = AddItem(MissionViewPopUp, "mnuAddMission", tr("Add / Install &Mission..."),
                          QKeySequence(QStringLiteral("Ctrl+M")));
  mnuAddPack = AddItem(MissionViewPopUp, "mnuAddPack", tr("Install Mission &Pack"),
                       QKeySequence(QStringLiteral("Ctrl+P")));
  MissionViewPopUp->addSeparator();
  mnuBuildPak = AddItem(MissionViewPopUp, "mnuBuildPak", tr("Build Mission P&ack"));
  MissionViewPopUp->addSeparator();
  mnuRemove = AddItem(MissionViewPopUp, "mnuRemove", tr("&Remove"), QKeySequence(Qt::Key_Delete));
  mnuAddPack->setEnabled(false);
  mnuBuildPak->setEnabled(false);
  // The new groups and battles are in the Edit menu too, those of the category shown.
  mEdit->addSeparator();
  for (QAction* item :
       {mnuAddCampaign, mnuAddWar, mnuAddBattle, mnuAddCollection, mnuAddTournament}) {
    mEdit->addAction(item);
    item->setVisible(false); // until a category is shown
  }

  connect(mFileSetXvTDirectory, &QAction::triggered, this,
          &TixoFlightdeckForm::mFileSetXvTDirectoryClick);
  connect(mFileExit, &QAction::triggered, this, &TixoFlightdeckForm::mFileExitClick);
  connect(mMissionGenderNeutral, &QAction::triggered, this,
          &TixoFlightdeckForm::mMissionGenderNeutralClick);
  connect(mMissionGenderRebel, &QAction::triggered, this,
          &TixoFlightdeckForm::mMissionGenderRebelClick);
  connect(mMissionGenderImperial, &QAction::triggered, this,
          &TixoFlightdeckForm::mMissionGenderImperialClick);
  connect(about, &QAction::triggered, this, [this] { FEnvironment.Prompts->ShowAbout(); });
  connect(manual, &QAction::triggered, this,
          [this] { FEnvironment.Prompts->OpenDocument(ReadmePath()); });
  connect(mFileNew, &QAction::triggered, this, &TixoFlightdeckForm::mFileNewClick);
  connect(mFileOpen, &QAction::triggered, this, &TixoFlightdeckForm::mFileOpenClick);
  connect(mFileEdit, &QAction::triggered, this, &TixoFlightdeckForm::mFileEditClick);
  for (QAction* item : {mInstallMission, mnuAddMission})
    connect(item, &QAction::triggered, this, &TixoFlightdeckForm::mInstallMissionClick);
  for (QAction* item : {mnuAddCampaign, mnuAddWar, mnuAddCollection})
    connect(item, &QAction::triggered, this, &TixoFlightdeckForm::mnuAddCampaignClick);
  for (QAction* item : {mnuAddBattle, mnuAddTournament})
    connect(item, &QAction::triggered, this, &TixoFlightdeckForm::mnuAddBattleClick);
  connect(mnuRemove, &QAction::triggered, this, &TixoFlightdeckForm::mnuRemoveClick);
  for (QAction* item : {mInstallPack, mnuAddPack})
    connect(item, &QAction::triggered, this, &TixoFlightdeckForm::mInstallPackClick);
  for (QAction* item : {mBuildPack, mnuBuildPak})
    connect(item, &QAction::triggered, this, &TixoFlightdeckForm::mnuBuildPakClick);
}

void TixoFlightdeckForm::CreateToolBar() {
  TopPanel = new TBevelPanel(this);
  TopPanel->setObjectName(QStringLiteral("TopPanel"));
  TopPanel->SetBevelOptions(boTop | boBottom);
  TopPanel->setFixedHeight(CaptionButtonHeight(fontMetrics()) + 14);
  auto* layout = new QHBoxLayout(TopPanel);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(1);
  XvTPathBtn = AddButton(TopPanel, "XvTPathBtn", TToolGlyph::Folder, tr("Set your XvT Directory"));
  NewMissionBtn =
      AddButton(TopPanel, "NewMissionBtn", TToolGlyph::NewMission, tr("Create a New XvT Mission"));
  OpenMissionBtn = AddButton(TopPanel, "OpenMissionBtn", TToolGlyph::OpenMission,
                             tr("Open an existing XvT Mission"));
  EditMissionBtn = AddButton(TopPanel, "EditMissionBtn", TToolGlyph::EditMission,
                             tr("Edit the Selected XvT Mission"));
  layout->addSpacing(4);
  InstallMissionBtn = AddButton(TopPanel, "InstallMissionBtn", TToolGlyph::InstallMission,
                                tr("Install a single XvT Mission"));
  InstallPackBtn = AddButton(TopPanel, "InstallPackBtn", TToolGlyph::InstallPack,
                             tr("Install an Ixo Mission Pack"));
  layout->addSpacing(4);
  ShowNextNumberButton = AddButton(TopPanel, "ShowNextNumberButton", tr("Next Mission Number"));
  ShowNextNumberButton->setFixedSize(NextNumberButtonWidth, CaptionButtonHeight(fontMetrics()));
  ShowNextNumberButton->SetCaption(QStringLiteral("- - -"));
  layout->addStretch(1);
  GenderNeutralBtn = AddButton(TopPanel, "GenderNeutralBtn", TToolGlyph::Neutral,
                               tr("Neutral (Multiplayer) missions"));
  GenderRebelBtn = AddButton(TopPanel, "GenderRebelBtn", TToolGlyph::Rebel, tr("Rebel missions"));
  GenderImperialBtn =
      AddButton(TopPanel, "GenderImperialBtn", TToolGlyph::Imperial, tr("Imperial missions"));
  // The buttons that choose what is shown are reached with Tab as well.
  for (TFlatSpeedButton* button :
       {ShowNextNumberButton, GenderNeutralBtn, GenderRebelBtn, GenderImperialBtn})
    button->setFocusPolicy(Qt::TabFocus);
  // One group, which always keeps one side down.
  for (TFlatSpeedButton* button : {GenderNeutralBtn, GenderRebelBtn, GenderImperialBtn})
    button->SetGroupIndex(1);
  for (TFlatSpeedButton* never : {NewMissionBtn, OpenMissionBtn, EditMissionBtn})
    never->setEnabled(false);

  XvTPathBtn->OnClick = [this] { mFileSetXvTDirectoryClick(); };
  NewMissionBtn->OnClick = [this] { mFileNewClick(); };
  OpenMissionBtn->OnClick = [this] { mFileOpenClick(); };
  EditMissionBtn->OnClick = [this] { mFileEditClick(); };
  InstallMissionBtn->OnClick = [this] { mInstallMissionClick(); };
  InstallPackBtn->OnClick = [this] { mInstallPackClick(); };
  ShowNextNumberButton->OnClick = [this] { ShowNextNumberButtonClick(ShowNextNumberButton); };
  GenderNeutralBtn->OnClick = [this] { mMissionGenderNeutralClick(); };
  GenderRebelBtn->OnClick = [this] { mMissionGenderRebelClick(); };
  GenderImperialBtn->OnClick = [this] { mMissionGenderImperialClick(); };
}

void TixoFlightdeckForm::CreateMissionView() {
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
  MissionViewPanel->setEnabled(false);

  connect(FMissionView->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &TixoFlightdeckForm::MissionViewChange);
  connect(FMissionView, &QTreeView::customContextMenuRequested, this, [this](const QPoint& at) {
    MissionViewPopUp->popup(FMissionView->viewport()->mapToGlobal(at));
  });
  connect(MissionTypeTabSet, &QTabBar::currentChanged, this,
          &TixoFlightdeckForm::MissionTypeTabSetChange);
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
            QMetaObject::invokeMethod(
                this,
                [this, escaped] { escaped ? MissionViewEditCancelled() : MissionViewEdited(); },
                Qt::QueuedConnection);
          });
  FMissionView->AcceptLabel = [this](const QModelIndex& node, const QString& label) {
    return MissionViewLabelAcceptable(*TMissionModel::NodeOf(node), label);
  };
  connect(FMissionView, &TMissionView::DropRequested, this,
          &TixoFlightdeckForm::MissionViewDragDrop);
  FMissionView->AcceptFiles = [this](const QStringList& files, const QModelIndex& target) {
    return AcceptsFilesAt(files, TMissionModel::NodeOf(target));
  };
  connect(FMissionView, &TMissionView::FilesDropped, this,
          [this](const QStringList& files, const QModelIndex& target) {
            TixoApplication::Instance()->RunGuarded(
                [&] { OpenFiles(files, TMissionModel::NodeOf(target)); });
          });
  setAcceptDrops(true); // a pack may be dropped anywhere on the window
  // Delete removes the selected entry while the tree itself has the focus (not a label editor).
  auto* removeKey = new QShortcut(QKeySequence(Qt::Key_Delete), FMissionView, nullptr, nullptr,
                                  Qt::WidgetShortcut);
  connect(removeKey, &QShortcut::activated, this, &TixoFlightdeckForm::mnuRemoveClick);
  // Shift+F10 opens the context menu of the selected entry, as the menu key does.
  auto* menuKey = new QShortcut(QKeySequence(QStringLiteral("Shift+F10")), FMissionView, nullptr,
                                nullptr, Qt::WidgetShortcut);
  connect(menuKey, &QShortcut::activated, this, [this] {
    const QRect entry = FMissionView->visualRect(FMissionView->currentIndex());
    MissionViewPopUp->popup(
        FMissionView->viewport()->mapToGlobal(entry.isNull() ? QPoint(0, 0) : entry.bottomLeft()));
  });
}

void TixoFlightdeckForm::CreateStatusBar() {
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
  const int boxWidth = MissionNumberBoxWidth(fontMetrics());
  ShowFileNumberPanel->setFixedWidth(NumberCaptionWidth(fontMetrics()) + boxWidth + 8);
  auto* numberLayout = new QHBoxLayout(ShowFileNumberPanel);
  numberLayout->setContentsMargins(0, 1, 3, 1);
  numberLayout->addStretch(1);
  MissionNumberEB = new QLineEdit(ShowFileNumberPanel);
  MissionNumberEB->setObjectName(QStringLiteral("MissionNumberEB"));
  MissionNumberEB->setFixedSize(boxWidth, TextBoxHeight(fontMetrics()));
  // Up to four digits or blanks typed; a number the list holds is shown whole.
  MissionNumberEB->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[0-9 ]{0,4}")), MissionNumberEB));
  MissionNumberEB->installEventFilter(this);
  MissionNumberEB->setToolTip(tr("Change Mission Number"));
  MissionNumberEB->setAccessibleName(tr("Change Mission Number"));
  MissionNumberEB->setStatusTip(tr("Change Mission Number"));
  numberLayout->addWidget(MissionNumberEB);
  layout->addWidget(ShowFileNumberPanel);
  ShowFileTitlePanel =
      StatusPanel(StatusBasePanel, "ShowFileTitlePanel", tr("  Mission File"), AllBevelSides);
  layout->addWidget(ShowFileTitlePanel, 1);
}

void TixoFlightdeckForm::ShowEntryNumber(const QString& number) {
  MissionNumberEB->setText(number);
  // Four digits wide, or as wide as the number shown; the panel grows with the box.
  const QFontMetrics metrics = MissionNumberEB->fontMetrics();
  const int width =
      std::max(MissionNumberBoxWidth(metrics), metrics.horizontalAdvance(number) + 10);
  ShowFileNumberPanel->setFixedWidth(ShowFileNumberPanel->minimumWidth() + width -
                                     MissionNumberEB->minimumWidth());
  MissionNumberEB->setFixedWidth(width);
}

void TixoFlightdeckForm::ShowNextNumber(const QString& caption) {
  ShowNextNumberButton->SetCaption(caption);
  ShowNextNumberButton->setFixedWidth(std::max(
      NextNumberButtonWidth, ShowNextNumberButton->fontMetrics().horizontalAdvance(caption) + 10));
}

} // namespace flightdeck
