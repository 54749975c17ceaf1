// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/AboutBox.h"
#include "app/HistoryCommands.h"
#include "app/MissionPanel.h"
#include "app/PackCommands.h"
#include "app/ProblemCommands.h"
#include "app/Prompts.h"
#include "lists/MissionTypes.h"
#include "lists/PackageItem.h"
#include "services/GameFinder.h"

#include <QDir>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace flightdeck {

class TBevelPanel;
class TFlatSpeedButton;
class TFolderBrowseDlg;

// What the window needs from outside: where its settings live and how it asks the user.
struct TFormEnvironment {
  QString SettingsFileName;
  TPrompts* Prompts = nullptr;
  QString HomeFolder = QDir::homePath(); // where games are looked for
  QString DemoGame = DemoGamePath();     // the demo game shipped with the program, if any
  // Where it is copied to be tried on; empty when it is tried where it is.
  QString DemoGameCopy = DemoGameCopyPath(DemoGame);
};

// The main window: the menus, the tool bar and the mission panel, which shows the list of one
// category and side of the game chosen; the window wires them to the command groups, keeps its
// settings and takes the files the desktop hands it.
class TixoFlightdeckForm : public QMainWindow {
  Q_OBJECT

public:
  explicit TixoFlightdeckForm(const TFormEnvironment& environment, QWidget* parent = nullptr);
  ~TixoFlightdeckForm() override;

  const std::string& XvTPath() const { return FXvTPath; }
  TMissionPanel* Panel() const { return FPanel; }
  // With no game chosen yet: looks for the games on this machine away from the window's
  // thread ("Searching for games..." meanwhile), then offers them, one to take at once, or the
  // folder dialog; `then` runs after that (in order with others that came meanwhile), and at
  // once when a game is shown already.
  void OfferGamesFound(std::function<void()> then = {});
  bool SearchingForGames() const { return FSearchingForGames; }
  // Shows the game directory `path`, or says that it is none.
  void OpenGameDirectory(const std::string& path);
  // Opens the demo game; where its folder cannot be changed, a copy of it in the user's data
  // folder, made once when the user agrees.
  void OpenDemoGame();

  // Files from the desktop: dropped, or named when the program starts. Missions (.tie) go under
  // the entry they are dropped on (or the selected one), packs (.ixo) into the lists shown;
  // the user is told of every other file why it cannot be installed.
  void OpenFiles(const QStringList& paths, const TMissionNode* target = nullptr);
  void InstallPackFile(const std::string& chosen);
  const std::vector<TPackageItem>& PackItems() const { return FPacks->Items(); }

protected:
  bool event(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  // Layout (one file).
  void CreateControls();
  void CreateMenus();
  void CreateToolBar();
  void ConnectPanel();

  // Start-up, settings and the game directory (another).
  void FormCreate();
  void FormDestroy();
  // The settings written as they change, so that a window that ends without closing reopens
  // as it was; false when they cannot be written.
  void KeepSettings();
  bool WriteSettings() const;
  void PlaceWindow(int left, int top, int height);
  void EnableMissionCommands(bool enable);
  void UseXvTDirectory(const std::string& path); // shows a valid game directory's first tab
  void mFileSetXvTDirectoryClick();
  std::vector<TFoundGame> GamesFound() const;
  void OfferGames(const std::vector<TFoundGame>& games);
  void RunAfterGameSearch();
  bool FSearchingForGames = false;
  std::vector<std::function<void()>> FAfterGameSearch; // hand-offs that came meanwhile
  void SetXvTPathHint();
  void Tell(const QString& text) { FEnvironment.Prompts->Tell(text); }
  void RefreshUndoActions() { FHistory->RefreshActions(FPanel->CommandsEnabled()); }
  void SelectionChanged(const TMissionNode* node);

  // The Install and File menus (another).
  static QString PackFilter();
  static QString MissionFilter();
  void mInstallPackClick();
  void mnuBuildPakClick();
  void mInstalledPacksClick();
  void mInstallMissionClick();
  void mFileOpenClick();
  void mFileEditClick();
  void ShowMissionFile(const std::string& path); // in the Mission view

  // The desktop's files (another).
  static bool IsMissionFile(const QString& path);
  static bool IsPackFile(const QString& path);
  bool AcceptsFilesAt(const QStringList& paths, const TMissionNode* target) const;

  TFormEnvironment FEnvironment;
  std::string FIniFileName;
  std::string FXvTPath;
  int FWidth = 0; // the window's least
  TMissionPanel* FPanel = nullptr;
  std::unique_ptr<THistoryCommands> FHistory;
  std::unique_ptr<TProblemCommands> FProblems;
  std::unique_ptr<TPackCommands> FPacks;
  TFolderBrowseDlg* BrowseDirDialog = nullptr;

  // Menus.
  QAction* mFileEdit = nullptr;
  QMenu* mInstall = nullptr;
  QAction* mInstallMission = nullptr;
  QAction* mInstallPack = nullptr;
  QAction* mBuildPack = nullptr;
  QMenu* mSearch = nullptr;
  QMenu* mMissionGender = nullptr;
  QMenu* MissionViewPopUp = nullptr;
  QAction* mnuAddMission = nullptr;
  QAction* mnuAddPack = nullptr;
  QAction* mnuBuildPak = nullptr;

  // Tool bar.
  TBevelPanel* TopPanel = nullptr;
  TFlatSpeedButton* XvTPathBtn = nullptr;
  TFlatSpeedButton* EditMissionBtn = nullptr;
  TFlatSpeedButton* InstallMissionBtn = nullptr;
  TFlatSpeedButton* InstallPackBtn = nullptr;
};

} // namespace flightdeck
