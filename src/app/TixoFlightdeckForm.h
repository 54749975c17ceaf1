// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/EditCommands.h"
#include "app/HistoryCommands.h"
#include "app/ListController.h"
#include "app/MissionInstallCommands.h"
#include "app/MissionModel.h"
#include "app/MissionView.h"
#include "app/NumberCommands.h"
#include "app/PackCommands.h"
#include "app/ProblemCommands.h"
#include "app/Prompts.h"
#include "journal/History.h"
#include "journal/Session.h"
#include "lists/ListFileItem.h"
#include "lists/MissionTree.h"
#include "lists/MissionTypes.h"
#include "lists/PackageItem.h"
#include "packs/PackInstall.h"
#include "services/CatalogueCheck.h"
#include "services/GameFinder.h"
#include "zip/ZipArchiver.h"

#include <QDir>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QActionGroup;
class QLineEdit;
class QMenu;
class QTabBar;

namespace flightdeck {

class TBevelPanel;
class TFlatSpeedButton;
class TFolderBrowseDlg;

// What the window needs from outside: where its settings live and how it asks the user.
struct TFormEnvironment {
  QString SettingsFileName;
  TPrompts* Prompts = nullptr;
  QString HomeFolder = QDir::homePath(); // where games are looked for
};

enum TTreeState : unsigned char { tsIdle = 0, tsBuilding = 1, tsReleasing = 2 };

// The main window: the mission tree of one list file, chosen by game directory, category
// tab and side, with the commands that work on it.
class TixoFlightdeckForm : public QMainWindow, private TListView {
  Q_OBJECT

public:
  explicit TixoFlightdeckForm(const TFormEnvironment& environment, QWidget* parent = nullptr);
  ~TixoFlightdeckForm() override;

  const std::string& XvTPath() const { return FXvTPath; }
  // With no game chosen yet: looks for the games on this machine away from the window's
  // thread ("Searching for games..." meanwhile), then offers them, one to take at once, or the
  // folder dialog; `then` runs after that (in order with others that came meanwhile), and at
  // once when a game is shown already.
  void OfferGamesFound(std::function<void()> then = {});
  bool SearchingForGames() const { return FSearchingForGames; }
  bool CheckingList() const { return FCheckRunning; }
  bool SavingList() const { return FList->Saving(); } // an edit is being written beside it
  // Shows the game directory `path`, or says that it is none.
  void OpenGameDirectory(const std::string& path);
  TMissionType MissionType() const { return FMissionType; }
  TGender Gender() const { return FGender; }
  TMissionView* MissionView() const { return FMissionView; }
  TMissionModel* MissionModel() const { return FModel; }

  // Commands.
  void mFileSetXvTDirectoryClick();
  void mFileExitClick();
  void MissionTypeTabSetChange();
  void mMissionGenderNeutralClick() { ChangeSide(gnNeutral); }
  void mMissionGenderRebelClick() { ChangeSide(gnRebel); }
  void mMissionGenderImperialClick() { ChangeSide(gnImperial); }
  void MissionViewChange();

  // Numbering.
  void ShowNextNumberButtonClick(QObject* sender);
  void MissionNumberEBEnter();
  void MissionNumberEBExit();
  void MissionNumberEBKeyUp(int key);

  // Editing the tree.
  void mnuAddCampaignClick();
  void mnuAddBattleClick();
  void mnuRemoveClick();
  bool MissionViewLabelAcceptable(const TMissionNode& node, const QString& label);
  void MissionViewLabelTyped(TMissionNode& node, const QString& label);
  // The label editor closed, or a label was set: the rename, or the new entry waiting for its
  // label, is written as one command.
  void MissionViewEdited();
  // Escape in the label editor: a new entry is taken back, nothing written.
  void MissionViewEditCancelled();
  void MissionViewDragDrop(const QPoint& at); // at: viewport coordinates of the tree
  // Edit > Move Up and Move Down: the selected entry one place, as a drop would move it.
  void MoveSelected(bool up);

  // Installing a mission and the File menu.
  void mInstallMissionClick();
  void InstallMissionFile(const std::string& chosen); // under the selected entry
  void mFileNewClick();
  void mFileOpenClick();
  void mFileEditClick();

  // Undoing and redoing, from the game's history.
  void mEditUndoClick() { FHistory->Undo(); }
  void mEditRedoClick() { FHistory->Redo(); }
  void mEditHistoryClick() { FHistory->ChooseAndUndo(); }
  // Reads the history for the Edit menu's Undo and Redo; a change just made only enables Undo,
  // so that a command does not read the whole history.
  void RefreshUndoActions();
  void ChangeRecorded();

  // Finding entries.
  void mSearchFindClick();
  void mSearchAgainClick();

  // Checking the game: the Problems view lists what the check finds in the whole game, goes to
  // a finding's entry and makes the fixes offered; the tree marks the entries of its list.
  void mSearchProblemsClick() {
    if (const std::optional<TFinding> finding = FProblems->ShowProblems())
      ShowFinding(*finding);
  }
  void ShowFinding(const TFinding& finding);

  // Mission packs.
  void mInstallPackClick();
  void InstallPackFile(const std::string& chosen);

  // Files from the desktop: dropped, or named when the program starts. Missions (.tie) go under
  // the entry they are dropped on (or the selected one), packs (.ixo) into the lists shown;
  // the user is told of every other file why it cannot be installed.
  static bool IsMissionFile(const QString& path);
  static bool IsPackFile(const QString& path);
  bool AcceptsFilesAt(const QStringList& paths, const TMissionNode* target) const;
  void OpenFiles(const QStringList& paths, const TMissionNode* target = nullptr);
  void mnuBuildPakClick();
  const std::vector<TPackageItem>& PackItems() const { return FPacks->Items(); }

  // Tree operations: the list read by the controller, which keeps it and the disk in step.
  void BuildMissionTreeView();

  TMissionType SingleMissionType() const;

protected:
  bool event(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  // Layout (one file).
  void CreateControls();
  void CreateMenus();
  void CreateToolBar();
  void CreateMissionView();
  void CreateStatusBar();

  // Start-up, settings and the game directory (another).
  void FormCreate();
  void FormDestroy();
  // The settings written as they change, so that a window that ends without closing reopens
  // as it was; false when they cannot be written.
  void KeepSettings();
  bool WriteSettings() const;
  void PlaceWindow(int left, int top, int height);
  void EnableMissionCommands(bool enable);
  void ShowMissionType(TMissionType type);       // selects its tab and runs the category change
  void UseXvTDirectory(const std::string& path); // shows a valid game directory's first tab
  std::vector<TFoundGame> GamesFound() const;
  void OfferGames(const std::vector<TFoundGame>& games);
  void RunAfterGameSearch();
  bool FSearchingForGames = false;
  std::vector<std::function<void()>> FAfterGameSearch; // hand-offs that came meanwhile
  void ApplicationHint(const QString& hint);
  void SetXvTPathHint();
  void SetSideControls(TGender side);
  // The selected entry's number in the number box (empty: none), and the next free one.
  void ShowEntryNumber(const QString& number);
  void ShowNextNumber(const QString& caption);
  static QString NextNumberCaption(std::int32_t number); // "Next #: 12"
  // The widest caption of the number panel, in the language shown.
  static int NumberCaptionWidth(const QFontMetrics& metrics);
  static QString PackFilter();

  // The tree (a third).
  void ChangeSide(TGender side);
  void ApplyMissionTypeSettings();
  int AbsoluteIndex(const TMissionNode* node) const; // in tree order; -1 for none
  TMissionNode* SelectedNode() const;
  void Select(const TMissionNode* node);
  void ExpandBranch(const TMissionNode& node); // it and everything under it
  void EndLabelEdit();
  std::string CategoryDirectory() const; // the category's own folder, battle files and all
  std::string MissionDirectory() const;  // the folder of the category's mission files
  // A folder of the game as it is spelled on disk, for dialogs, tooltips and messages.
  QString OnDiskFolder(const std::string& folder) const;
  // Checks the list shown, as it is on disk, away from the window's thread: the tree marks its
  // entries with the findings, and the status line tells the list's own. A change meanwhile
  // has it checked again.
  void CheckShownList();
  void RunCheck();
  void ShowFindings(std::optional<std::vector<TFinding>> findings, std::uint64_t generation);
  std::uint64_t FCheckGeneration = 0; // counts the changes of the list shown
  bool FCheckRunning = false;
  // The view of the list controller.
  void ReleaseDocument() override;
  void ShowDocument(bool keepPlace) override;
  void ShowUnreadable(const QString& reason) override;
  void Hint(const QString& text) override { ApplicationHint(text); }
  void Tell(const QString& text) override;
  void CommandRecorded(std::string_view command) override;
  // What the edit under way changes of the marks, when they can follow it without a check of
  // the whole list: a move changes none, a rename those of its entry's title.
  struct TEditMarks {
    std::string_view Command; // CommandNames::Move or CommandNames::Rename
    const TMissionNode* Retitled = nullptr;
  };
  std::optional<TEditMarks> FEditMarks;
  void CommandUnderWay() override { ChangeRecorded(); }
  void HistoryChanged() override { RefreshUndoActions(); }
  bool Busy() const override;
  void FinishOpenEdit() override;
  TListController* FList = nullptr;
  std::unique_ptr<THistoryCommands> FHistory;
  std::unique_ptr<TProblemCommands> FProblems;
  std::unique_ptr<TPackCommands> FPacks;
  std::unique_ptr<TMissionInstallCommands> FMissionInstall;
  std::unique_ptr<TEditCommands> FEdits;
  std::unique_ptr<TNumberCommands> FNumbers;
  int FWidth = 0;    // the window's, fixed
  int FKeptRow = -1; // where the view stood when its list went
  int FKeptScroll = 0;
  // A new entry in the tree waiting for the label the user gives it in the editor: written,
  // with that label, as one command when the editor closes (see MissionViewEdited).
  void AwaitLabel(TEditCommands::TNewEntry entry);

  TFormEnvironment FEnvironment;
  std::string FIniFileName;
  std::string FXvTPath;
  TGender FGender = gnNeutral;
  TMissionType FMissionType = mtBattles;
  TTreeState FTreeState = tsIdle;
  int FNumberEditIndex = -1;
  bool FMissionCommandsEnabled = false;

  TFolderBrowseDlg* BrowseDirDialog = nullptr;
  TOpenDialogRequest OpenDialog; // as the last command prepared it

  // Menus.
  QMenu* mFile = nullptr;
  QAction* mFileSetXvTDirectory = nullptr;
  QAction* mFileNew = nullptr;
  QAction* mFileOpen = nullptr;
  QAction* mFileEdit = nullptr;
  QAction* mFileExit = nullptr;
  QMenu* mEdit = nullptr;
  QAction* mEditUndo = nullptr;
  QAction* mEditRedo = nullptr;
  QAction* mEditHistory = nullptr;
  QAction* mEditMoveUp = nullptr;
  QAction* mEditMoveDown = nullptr;
  QMenu* mInstall = nullptr;
  QAction* mInstallMission = nullptr;
  QAction* mInstallPack = nullptr;
  QAction* mBuildPack = nullptr;
  QMenu* mSearch = nullptr;
  QAction* mSearchFind = nullptr;
  QAction* mSearchAgain = nullptr;
  QAction* mSearchProblems = nullptr;
  QString FSearchText; // what Find last looked for
  QMenu* mMissionGender = nullptr;
  QActionGroup* FSideActions = nullptr;
  QAction* mMissionGenderNeutral = nullptr;
  QAction* mMissionGenderRebel = nullptr;
  QAction* mMissionGenderImperial = nullptr;
  QMenu* mHelp = nullptr;
  QMenu* MissionViewPopUp = nullptr;
  QAction* mnuAddCampaign = nullptr;
  QAction* mnuAddWar = nullptr;
  QAction* mnuAddBattle = nullptr;
  QAction* mnuAddCollection = nullptr;
  QAction* mnuAddTournament = nullptr;
  QAction* mnuAddMission = nullptr;
  QAction* mnuAddPack = nullptr;
  QAction* mnuBuildPak = nullptr;
  QAction* mnuRemove = nullptr;

  // Tool bar.
  TBevelPanel* TopPanel = nullptr;
  TFlatSpeedButton* XvTPathBtn = nullptr;
  TFlatSpeedButton* NewMissionBtn = nullptr;
  TFlatSpeedButton* OpenMissionBtn = nullptr;
  TFlatSpeedButton* EditMissionBtn = nullptr;
  TFlatSpeedButton* InstallMissionBtn = nullptr;
  TFlatSpeedButton* InstallPackBtn = nullptr;
  TFlatSpeedButton* ShowNextNumberButton = nullptr;
  TFlatSpeedButton* GenderNeutralBtn = nullptr;
  TFlatSpeedButton* GenderRebelBtn = nullptr;
  TFlatSpeedButton* GenderImperialBtn = nullptr;

  // Mission view and status bar.
  TBevelPanel* MissionViewPanel = nullptr;
  TMissionView* FMissionView = nullptr;
  TMissionModel* FModel = nullptr;
  QTabBar* MissionTypeTabSet = nullptr;
  TBevelPanel* StatusBasePanel = nullptr;
  TBevelPanel* ShowFileNumberPanel = nullptr; // its caption says what the number is
  QLineEdit* MissionNumberEB = nullptr;
  TBevelPanel* ShowFileTitlePanel = nullptr;
};

} // namespace flightdeck
