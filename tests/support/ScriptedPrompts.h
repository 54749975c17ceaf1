// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Prompts.h"
#include "widgets/FolderBrowseDlg.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace flightdeck::test {

// Answers the window's questions from a script and records what it was shown.
class TScriptedPrompts : public TPrompts {
public:
  // Folders the user picks in turn; an empty one cancels the dialog.
  std::deque<QString> Folders;
  // Files the user picks in turn; an empty one cancels the dialog.
  std::deque<QString> Files;
  // Yes or No for the questions in turn; Yes when the script runs out.
  std::deque<TMessageResult> Answers;

  QStringList Messages;                   // "caption: text" of each message box
  QStringList FolderPresets;              // the dialog's selection as each run opened
  QStringList FolderStatusLines;          // "caption: status text" of each run
  QList<TOpenDialogRequest> FileRequests; // each file dialog as it was prepared
  QList<bool> Warnings;                   // for each message: shown with the warning icon
  int AboutBoxes = 0;
  QList<QStringList> MissionsShown; // each Mission view: its file, then its lines
  QStringList DocumentsOpened;

  TMessageResult Message(const QString& caption, const QString& text, TMessageButtons buttons,
                         TMessageIcon icon = TMessageIcon::Information) override {
    Messages << caption + QStringLiteral(": ") + text;
    Warnings << (icon == TMessageIcon::Warning);
    if (buttons == TMessageButtons::Ok)
      return TMessageResult::Ok;
    if (Answers.empty())
      return TMessageResult::Yes;
    const TMessageResult answer = Answers.front();
    Answers.pop_front();
    return answer;
  }

  QStringList FolderPlaces; // the labels of the places each run offered, joined by "|"
  std::function<void(TFolderBrowseDlg&)> OnFolderDialog; // sees the dialog as the window made it
  bool ExecuteFolderDialog(TFolderBrowseDlg& dialog) override {
    if (OnFolderDialog)
      OnFolderDialog(dialog);
    QStringList places;
    for (const TFolderBrowseDlg::TPlace& place : dialog.Places())
      places << place.Label;
    FolderPlaces << places.join(QLatin1Char('|'));
    FolderPresets << dialog.Selection();
    FolderStatusLines << dialog.Caption() + QStringLiteral(": ") + dialog.StatusText();
    const QString folder = Folders.empty() ? QString() : Folders.front();
    if (!Folders.empty())
      Folders.pop_front();
    dialog.SetSelection(folder);
    return !folder.isEmpty();
  }

  QList<QStringList> GameOffers; // the games offered at each start without a game
  int GameChoice = -1;           // the answer: an index, the count for "another folder", -1
  int ChooseGame(const QStringList& games) override {
    GameOffers << games;
    return GameChoice;
  }

  QList<QStringList> PackPlans;   // the plan each pack install showed, and each target chosen
  QList<TPackTarget> PackTargets; // where each pack install's plan opened
  std::optional<TPackTarget> TargetChosen;       // the answer: another target, if any
  TPackAnswer PlanAnswer = TPackAnswer::Install; // the answer: install, replace or cancel
  QStringList PlansInstalled;                    // what each plan said of a pack installed already
  QStringList PlanReadmes;                       // and what the pack said about itself
  std::function<void()> WhilePlanShown;
  TPackAnswer
  ConfirmPackPlan(const QString&, TPackTarget& target,
                  const std::function<TPackPlanLines(const TPackTarget&)>& plan) override {
    PackTargets << target;
    TPackPlanLines lines = plan(target);
    PackPlans << lines.Lines;
    if (TargetChosen) {
      target = *TargetChosen;
      lines = plan(target);
      PackPlans << lines.Lines;
    }
    PlansInstalled << lines.Installed;
    PlanReadmes << lines.Readme;
    if (WhilePlanShown)
      WhilePlanShown();
    return lines.Installable ? PlanAnswer : TPackAnswer::Cancel;
  }

  std::vector<std::vector<TInstalledPackLine>> InstalledViews; // what each view listed
  int InstalledChoice = -1; // the answer: the index of the pack to take out, or -1
  int ChooseInstalledPack(const std::vector<TInstalledPackLine>& packs) override {
    InstalledViews.push_back(packs);
    return InstalledChoice;
  }

  QList<QStringList> HistoryShown; // the entries each History dialog listed
  int HistoryChoice = -1;          // the answer: the index of the entry to undo, or -1
  int ChooseHistoryEntry(const QStringList& entries) override {
    HistoryShown << entries;
    return HistoryChoice;
  }

  // The user's picks in the Problems view, in turn: the first line whose place or text holds
  // `Containing`, to show or to fix. None left, or no such line: Close.
  struct TProblemPick {
    QString Containing;
    bool Fix = false;
  };
  std::deque<TProblemPick> ProblemPicks;
  std::vector<std::vector<TProblemLine>> ProblemViews; // the lines each Problems view listed
  TProblemChoice ChooseProblem(const std::vector<TProblemLine>& lines) override {
    ProblemViews.push_back(lines);
    if (ProblemPicks.empty())
      return {};
    const TProblemPick pick = ProblemPicks.front();
    ProblemPicks.pop_front();
    for (std::size_t i = 0; i < lines.size(); ++i)
      if (lines[i].Place.contains(pick.Containing) || lines[i].Text.contains(pick.Containing))
        return {static_cast<int>(i), pick.Fix};
    return {};
  }

  std::deque<QString> FindTexts; // what the user types into Find, in turn
  QString AskFindText(const QString&) override {
    const QString text = FindTexts.empty() ? QString() : FindTexts.front();
    if (!FindTexts.empty())
      FindTexts.pop_front();
    return text;
  }

  QString OpenFile(const TOpenDialogRequest& request) override {
    FileRequests << request;
    if (Files.empty())
      return {};
    const QString file = Files.front();
    Files.pop_front();
    return file;
  }

  // Build (true) or Cancel (false) for the pack list dialogs in turn; Build when it runs out.
  std::deque<bool> PackListAnswers;
  std::vector<std::vector<TPackageItem>> PackLists;               // the entries each dialog showed
  std::function<void(std::vector<TPackageItem>&)> EditPackTitles; // the user's edits, if any

  bool EditPackList(std::vector<TPackageItem>& items) override {
    PackLists.push_back(items);
    const bool build = PackListAnswers.empty() || PackListAnswers.front();
    if (!PackListAnswers.empty())
      PackListAnswers.pop_front();
    if (build && EditPackTitles)
      EditPackTitles(items);
    return build;
  }

  bool OpenDemoGame = false; // the answer: the About box's demo game link followed
  bool ShowAbout(const QString&) override {
    ++AboutBoxes;
    return OpenDemoGame;
  }
  void ShowMission(const QString& file, const QStringList& lines) override {
    MissionsShown << (QStringList{file} + lines);
  }
  void OpenDocument(const QString& path) override { DocumentsOpened << path; }
};

} // namespace flightdeck::test
