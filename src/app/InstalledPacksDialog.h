// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Prompts.h"

#include <QDialog>

#include <vector>

class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace flightdeck {

// "Installed Packs": the packs installed into the game, newest first, one row each (its name,
// when it went in, where, its groups, its missions and how much of it is left), and what the
// chosen one says about itself. Remove takes the chosen pack out; Close closes.
class TInstalledPacksDialog : public QDialog {
  Q_OBJECT

public:
  TInstalledPacksDialog(const std::vector<TInstalledPackLine>& packs, QWidget* parent = nullptr);
  int Chosen() const { return FChosen; } // the pack to take out, -1 for none

private:
  void SelectionChanged();

  const std::vector<TInstalledPackLine>& FPacks;
  QTreeWidget* PacksView;
  QPlainTextEdit* ReadmeView;
  QPushButton* RemoveBtn;
  int FChosen = -1;
};

} // namespace flightdeck
