// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus and tool bar, their captions, hints and initial states, and how they
// are wired to the mission panel and the command groups.

#include "app/AboutBox.h"
#include "app/Application.h"
#include "app/Controls.h"
#include "app/Prompts.h"
#include "app/TixoFlightdeckForm.h"
#include "widgets/BevelPanel.h"
#include "widgets/FlatSpeedButton.h"
#include "widgets/FolderBrowseDlg.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

namespace flightdeck {

namespace {

QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                 const QKeySequence& shortcut = {}, const QString& hint = {}) {
  QAction* action = NamedAction(menu, name, caption, shortcut, hint);
  menu->addAction(action);
  return action;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption) {
  QMenu* menu = bar->addMenu(caption);
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

TFlatSpeedButton* AddButton(QWidget* panel, const char* name, TToolGlyph glyph,
                            const QString& hint) {
  TFlatSpeedButton* button = ToolButton(panel, name, glyph, hint);
  panel->layout()->addWidget(button);
  return button;
}

} // namespace

void TixoFlightdeckForm::CreateControls() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  setCentralWidget(central);
  CreateMenus();
  CreateToolBar();
  layout->addWidget(TopPanel);
  layout->addWidget(FPanel, 1);
  ConnectPanel();
  // Tab goes through the window from top to bottom.
  QWidget* const order[] = {FPanel->NextNumberButton(),
                            FPanel->SideButton(gnNeutral),
                            FPanel->SideButton(gnRebel),
                            FPanel->SideButton(gnImperial),
                            FPanel->MissionView(),
                            FPanel->findChild<QWidget*>(QStringLiteral("MissionTypeTabSet")),
                            FPanel->findChild<QWidget*>(QStringLiteral("MissionNumberEB"))};
  for (std::size_t i = 1; i < std::size(order); ++i)
    setTabOrder(order[i - 1], order[i]);
  BrowseDirDialog = new TFolderBrowseDlg(this);
  EnableMissionCommands(false); // until a game is shown
}

void TixoFlightdeckForm::CreateMenus() {
  const TMissionPanel::TActions& tree = FPanel->Actions();
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("ControlMenu"));
  QMenu* file = AddMenu(bar, "mFile", tr("&File"));
  QAction* setDirectory =
      AddItem(file, "mFileSetXvTDirectory", tr("Set XvT &Directory"),
              QKeySequence(QStringLiteral("Ctrl+D")), tr("Set your XvT Directory"));
  file->addSeparator();
  QAction* fileNew =
      AddItem(file, "mFileNew", tr("&New Mission"), QKeySequence(QStringLiteral("Ctrl+N")),
              tr("Create a New XvT Mission"));
  QAction* fileOpen =
      AddItem(file, "mFileOpen", tr("&Open Mission"), QKeySequence(QStringLiteral("Ctrl+O")),
              tr("Open an existing XvT Mission"));
  mFileEdit = AddItem(file, "mFileEdit", tr("&Edit Selected Mission"),
                      QKeySequence(QStringLiteral("Ctrl+E")), tr("Edit the Selected XvT Mission"));
  file->addSeparator();
  QAction* exit =
      AddItem(file, "mFileExit", tr("E&xit"), QKeySequence(QStringLiteral("Ctrl+Q")), tr("Doh!"));
  fileNew->setEnabled(false);
  connect(setDirectory, &QAction::triggered, this, &TixoFlightdeckForm::mFileSetXvTDirectoryClick);
  connect(fileOpen, &QAction::triggered, this, &TixoFlightdeckForm::mFileOpenClick);
  connect(mFileEdit, &QAction::triggered, this, &TixoFlightdeckForm::mFileEditClick);
  connect(exit, &QAction::triggered, this, &QWidget::close);

  QMenu* edit = AddMenu(bar, "mEdit", tr("&Edit"));
  const THistoryCommands::TActions& history = FHistory->Actions();
  edit->addActions({history.Undo, history.Redo});
  edit->addSeparator();
  edit->addAction(history.History);
  edit->addSeparator();
  edit->addActions({tree.MoveUp, tree.MoveDown});
  // The new groups and battles, those of the category shown.
  edit->addSeparator();
  edit->addActions(
      {tree.AddCampaign, tree.AddWar, tree.AddBattle, tree.AddCollection, tree.AddTournament});
  connect(edit, &QMenu::aboutToShow, this, &TixoFlightdeckForm::RefreshUndoActions);

  mInstall = AddMenu(bar, "mInstall", tr("&Install"));
  mInstallMission = AddItem(mInstall, "mInstallMission", tr("Single &Mission"),
                            QKeySequence(QStringLiteral("Ctrl+M")), tr("Install an XvT Mission"));
  mInstallPack = AddItem(mInstall, "mInstallPack", tr("Mission &Pack"),
                         QKeySequence(QStringLiteral("Ctrl+P")));
  mInstall->addSeparator();
  mBuildPack = AddItem(mInstall, "mBuildPack", tr("&Build Mission Pack"));
  mBuildPack->setEnabled(false);
  mInstall->addSeparator();
  QAction* installed = AddItem(mInstall, "mInstalledPacks", tr("I&nstalled Packs..."), {},
                               tr("List the installed packs, and take one out"));
  connect(installed, &QAction::triggered, this, &TixoFlightdeckForm::mInstalledPacksClick);

  mSearch = AddMenu(bar, "mSearch", tr("&Search"));
  mSearch->addActions({tree.Find, tree.FindAgain});
  mSearch->addSeparator();
  mSearch->addAction(FProblems->Action());

  mMissionGender = AddMenu(bar, "mMissionGender", tr("Mission &Gender"));
  mMissionGender->addActions({tree.Sides[0], tree.Sides[1], tree.Sides[2]});

  QMenu* help = AddMenu(bar, "mHelp", tr("&Help"));
  QAction* manual = AddItem(help, "mHelpManual", tr("&Manual"), QKeySequence(QStringLiteral("F1")),
                            tr("How to use Flightdeck"));
  QAction* about = AddItem(help, "mHelpAbout", tr("&About"));
  connect(about, &QAction::triggered, this, [this] {
    if (FEnvironment.Prompts->ShowAbout(FEnvironment.DemoGame))
      OpenDemoGame();
  });
  connect(manual, &QAction::triggered, this,
          [this] { FEnvironment.Prompts->OpenDocument(ReadmePath()); });

  MissionViewPopUp = new QMenu(this);
  MissionViewPopUp->setObjectName(QStringLiteral("MissionViewPopUp"));
  MissionViewPopUp->addActions(
      {tree.AddCampaign, tree.AddWar, tree.AddBattle, tree.AddCollection, tree.AddTournament});
  MissionViewPopUp->addSeparator();
  mnuAddMission = AddItem(MissionViewPopUp, "mnuAddMission", tr("Add / Install &Mission..."),
                          QKeySequence(QStringLiteral("Ctrl+M")));
  mnuAddPack = AddItem(MissionViewPopUp, "mnuAddPack", tr("Install Mission &Pack"),
                       QKeySequence(QStringLiteral("Ctrl+P")));
  MissionViewPopUp->addSeparator();
  mnuBuildPak = AddItem(MissionViewPopUp, "mnuBuildPak", tr("Build Mission P&ack"));
  MissionViewPopUp->addSeparator();
  MissionViewPopUp->addAction(tree.Remove);
  mnuBuildPak->setEnabled(false);

  for (QAction* item : {mInstallMission, mnuAddMission})
    connect(item, &QAction::triggered, this, &TixoFlightdeckForm::mInstallMissionClick);
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
  AddButton(TopPanel, "NewMissionBtn", TToolGlyph::NewMission, tr("Create a New XvT Mission"))
      ->setEnabled(false);
  AddButton(TopPanel, "OpenMissionBtn", TToolGlyph::OpenMission, tr("Open an existing XvT Mission"))
      ->OnClick = [this] { mFileOpenClick(); };
  EditMissionBtn = AddButton(TopPanel, "EditMissionBtn", TToolGlyph::EditMission,
                             tr("Edit the Selected XvT Mission"));
  EditMissionBtn->OnClick = [this] { mFileEditClick(); };
  layout->addSpacing(4);
  InstallMissionBtn = AddButton(TopPanel, "InstallMissionBtn", TToolGlyph::InstallMission,
                                tr("Install a single XvT Mission"));
  InstallPackBtn = AddButton(TopPanel, "InstallPackBtn", TToolGlyph::InstallPack,
                             tr("Install an Ixo Mission Pack"));
  layout->addSpacing(4);
  layout->addWidget(FPanel->NextNumberButton());
  layout->addStretch(1);
  for (const TGender side : {gnNeutral, gnRebel, gnImperial})
    layout->addWidget(FPanel->SideButton(side));
  XvTPathBtn->OnClick = [this] { mFileSetXvTDirectoryClick(); };
  InstallMissionBtn->OnClick = [this] { mInstallMissionClick(); };
  InstallPackBtn->OnClick = [this] { mInstallPackClick(); };
}

void TixoFlightdeckForm::ConnectPanel() {
  connect(FPanel, &TMissionPanel::ListChosen, this, &TixoFlightdeckForm::KeepSettings);
  connect(FPanel, &TMissionPanel::SelectionChanged, this, &TixoFlightdeckForm::SelectionChanged);
  connect(FPanel, &TMissionPanel::ContextMenuRequested, MissionViewPopUp,
          [this](const QPoint& at) { MissionViewPopUp->popup(at); });
  connect(FPanel, &TMissionPanel::ChangeRecorded, this, [this] { FHistory->ChangeRecorded(); });
  connect(FPanel, &TMissionPanel::HistoryOutdated, this, &TixoFlightdeckForm::RefreshUndoActions);
  TMissionView* view = FPanel->MissionView();
  view->AcceptFiles = [this](const QStringList& files, const QModelIndex& target) {
    return AcceptsFilesAt(files, TMissionModel::NodeOf(target));
  };
  connect(view, &TMissionView::FilesDropped, this,
          [this](const QStringList& files, const QModelIndex& target) {
            TixoApplication::Instance()->RunGuarded(
                [&] { OpenFiles(files, TMissionModel::NodeOf(target)); });
          });
  setAcceptDrops(true); // a pack may be dropped anywhere on the window
}

void TixoFlightdeckForm::SelectionChanged(const TMissionNode* node) {
  // A pack is built from a node with something under it.
  const bool hasChildren = node && !node->Children.empty();
  mBuildPack->setEnabled(hasChildren);
  mnuBuildPak->setEnabled(hasChildren);
  if (node)
    mnuAddMission->setEnabled(node->Record.Kind != likWar &&
                              node->Record.Kind != likTournamentSeries);
}

} // namespace flightdeck
