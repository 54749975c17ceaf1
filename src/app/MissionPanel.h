// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/EditCommands.h"
#include "app/ListController.h"
#include "app/MissionInstallCommands.h"
#include "app/MissionModel.h"
#include "app/MissionView.h"
#include "app/NumberCommands.h"
#include "app/Prompts.h"
#include "lists/MissionTree.h"
#include "lists/MissionTypes.h"
#include "services/CatalogueCheck.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QActionGroup;
class QLineEdit;
class QTabBar;

namespace flightdeck {

class TBevelPanel;
class TFlatSpeedButton;

enum TTreeState : unsigned char { tsIdle = 0, tsBuilding = 1, tsReleasing = 2 };

// The list shown: the mission tree of one list file with the category tabs under it and the
// status bar with the selected entry's number and what it is, kept in step with the disk by its
// list controller, and the edits of the tree. The side buttons, the next-number button and the
// actions of the tree are its own; the window places them in its tool bar and menus.
class TMissionPanel : public QWidget, private TListView {
  Q_OBJECT

public:
  TMissionPanel(TPrompts& prompts, QWidget* parent);
  ~TMissionPanel() override;

  TListController& List() const { return *FList; }
  TMissionView* MissionView() const { return FMissionView; }
  TMissionModel* MissionModel() const { return FModel; }
  TMissionType MissionType() const { return FMissionType; }
  TGender Side() const { return FSide; }
  TMissionNode* SelectedNode() const;
  bool CheckingList() const { return FCheckRunning; }
  bool CommandsEnabled() const { return FCommandsEnabled; }
  // As wide as the panel must be for its tabs.
  int WidthNeeded() const;
  std::string CategoryDirectory() const; // the category's own folder, battle files and all
  std::string MissionDirectory() const;  // the folder of the category's mission files

  // The controls and actions the window places.
  struct TActions {
    QAction* Sides[3] = {}; // neutral, rebel, imperial
    QAction* AddCampaign = nullptr;
    QAction* AddWar = nullptr;
    QAction* AddBattle = nullptr;
    QAction* AddCollection = nullptr;
    QAction* AddTournament = nullptr;
    QAction* Remove = nullptr;
    QAction* MoveUp = nullptr;
    QAction* MoveDown = nullptr;
    QAction* Find = nullptr;
    QAction* FindAgain = nullptr;
  };
  const TActions& Actions() const { return FActions; }
  TFlatSpeedButton* NextNumberButton() const { return ShowNextNumberButton; }
  TFlatSpeedButton* SideButton(TGender side) const { return SideButtons[side - gnNeutral]; }

  // The game shown, opened on its first list; the commands are enabled with it.
  void OpenGame(const std::string& game);
  // Shows the list of `type` and `side` (the side neutral where the category has no other).
  void ShowList(TMissionType type, TGender side);
  void ShowMissionType(TMissionType type); // selects its tab and runs the category change
  void ChangeSide(TGender side);
  void EnableCommands(bool enable);
  // The window goes: no list is read any more.
  void Release() { FTreeState = tsReleasing; }
  // The status line: a hint, set off by a blank, or the caption as it is.
  void ShowHint(const QString& hint);
  void ShowStatus(const QString& caption);

  // Commands on the tree.
  void Select(const TMissionNode* node);
  void InstallMissionFile(const std::string& chosen); // under the selected entry
  void MissionViewDragDrop(const QPoint& at);         // at: viewport coordinates of the tree
  void FindText();
  void FindAgain();
  void ShowFinding(const TFinding& finding);

Q_SIGNALS:
  // The user chose another category or side.
  void ListChosen();
  // Another entry is selected (or the one selected changed); null for none.
  void SelectionChanged(const TMissionNode* node);
  // The tree's context menu is asked for, at `at` on the screen.
  void ContextMenuRequested(const QPoint& at);
  // A change is being written or was recorded: there is something to undo.
  void ChangeRecorded();
  // The game's history may have changed outside.
  void HistoryOutdated();

private:
  // Construction (one file).
  void CreateMissionView();
  void CreateStatusBar();
  void CreateSideControls();
  void CreateActions();

  // The list shown (another).
  void MissionTypeTabSetChange();
  void ApplyMissionTypeSettings();
  void BuildMissionTreeView();
  void MissionViewChange();
  // " (melee, X-wing vs. TIE Fighter)" of a mission entry's file; empty when it is none.
  QString MissionKindOf(const TListFileItem& record) const;
  void SetSideControls(TGender side);
  int AbsoluteIndex(const TMissionNode* node) const; // in tree order; -1 for none
  void ExpandBranch(const TMissionNode& node);       // it and everything under it
  void EndLabelEdit();
  // The view of the list controller.
  void ReleaseDocument() override;
  void ShowDocument(bool keepPlace) override;
  void ShowUnreadable(const QString& reason) override;
  void Hint(const QString& text) override { ShowHint(text); }
  void Tell(const QString& text) override;
  void CommandRecorded(std::string_view command) override;
  void CommandUnderWay() override { Q_EMIT ChangeRecorded(); }
  void HistoryChanged() override { Q_EMIT HistoryOutdated(); }
  bool Busy() const override;

  // Numbering (another).
  void ShowEntryNumber(const QString& number);
  void ShowNextNumber(const QString& caption);
  void ShowNumberCaption();                              // of the category shown
  static QString NextNumberCaption(std::int32_t number); // "Next #: 12"
  // The widest caption of the number panel, in the language shown.
  static int NumberCaptionWidth(const QFontMetrics& metrics);
  void ShowNextNumberButtonClick(bool told);
  void MissionNumberEBEnter();
  void MissionNumberEBExit();
  bool eventFilter(QObject* watched, QEvent* event) override;

  // Editing the tree (another).
  void mnuAddCampaignClick();
  void mnuAddBattleClick();
  void mnuRemoveClick();
  bool MissionViewLabelAcceptable(const TMissionNode& node, const QString& label);
  void MissionViewLabelTyped(TMissionNode& node, const QString& label);
  // The label editor closed, or a label was set: the rename, or the new entry waiting for its
  // label, is written as one command.
  void MissionViewEdited();
  // Escape in the label editor: the new entry it was for (`edited`) is taken back, nothing
  // written, unless it was written meanwhile.
  void MissionViewEditCancelled(const TMissionNode* edited);
  // Edit > Move Up and Move Down: the selected entry one place, as a drop would move it.
  void MoveSelected(bool up);
  // Before a mission is installed: when its type is one the game does not play in the category
  // shown, offers the category that suits it, and shows that one if the user agrees.
  void OfferSuitedCategory(const std::string& chosen);
  // A new entry in the tree waiting for the label the user gives it in the editor: written,
  // with that label, as one command when the editor closes (see MissionViewEdited).
  void AwaitLabel(TListController::TNewEntry entry);

  // The marks of the check (another). Checks the list shown, as it is on disk, away from the
  // window's thread: the tree marks its entries with the findings, and the status line tells
  // the list's own. A change meanwhile has it checked again.
  void CheckShownList();
  void RunCheck();
  void ShowFindings(std::optional<std::vector<TFinding>> findings, std::uint64_t generation);

  TPrompts& FPrompts;
  TListController* FList = nullptr;
  std::unique_ptr<TMissionInstallCommands> FMissionInstall;
  std::unique_ptr<TEditCommands> FEdits;
  std::unique_ptr<TNumberCommands> FNumbers;
  TGender FSide = gnNeutral;
  TMissionType FMissionType = mtBattles;
  TTreeState FTreeState = tsIdle;
  bool FCommandsEnabled = false;
  int FNumberEditIndex = -1;
  int FKeptRow = -1; // where the view stood when its list went
  int FKeptScroll = 0;
  QString FSearchText;                // what Find last looked for
  std::uint64_t FCheckGeneration = 0; // counts the changes of the list shown
  bool FCheckRunning = false;
  // What the edit under way changes of the marks, when they can follow it without a check of
  // the whole list: a move changes none, a rename those of its entry's title.
  struct TEditMarks {
    std::string_view Command; // CommandNames::Move or CommandNames::Rename
    const TMissionNode* Retitled = nullptr;
  };
  std::optional<TEditMarks> FEditMarks;

  TActions FActions;
  QActionGroup* FSideActions = nullptr;
  TFlatSpeedButton* SideButtons[3] = {};
  TFlatSpeedButton* ShowNextNumberButton = nullptr;
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
