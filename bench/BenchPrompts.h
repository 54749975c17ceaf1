// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Prompts.h"

namespace flightdeck::bench {

// The user of a benchmark: says Yes to every question, installs every pack as planned, finds
// FindText, and opens no dialog.
class TBenchPrompts : public TPrompts {
public:
  QString FindText;
  TMessageResult Message(const QString&, const QString&, TMessageButtons buttons,
                         TMessageIcon) override {
    return buttons == TMessageButtons::Ok ? TMessageResult::Ok : TMessageResult::Yes;
  }
  bool ExecuteFolderDialog(TFolderBrowseDlg&) override { return false; }
  QString OpenFile(const TOpenDialogRequest&) override { return {}; }
  QString AskFindText(const QString&) override { return FindText; }
  int ChooseGame(const QStringList&) override { return -1; }
  int ChooseHistoryEntry(const QStringList&) override { return -1; }
  TPackAnswer ConfirmPackPlan(
      const QString&, TPackTarget& target,
      const std::function<TPackPlanLines(const TPackTarget&)>& plan) override {
    return plan(target).Installable ? TPackAnswer::Install : TPackAnswer::Cancel;
  }
  int ChooseInstalledPack(const std::vector<TInstalledPackLine>&) override { return -1; }
  TProblemChoice ChooseProblem(const std::vector<TProblemLine>&) override { return {}; }
  bool EditPackList(std::vector<TPackageItem>&) override { return false; }
  bool ShowAbout(const QString&) override { return false; }
  void ShowMission(const QString&, const QStringList&) override {}
  void OpenDocument(const QString&) override {}
};

} // namespace flightdeck::bench
