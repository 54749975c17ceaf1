// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Prompts.h"

#include <QDialog>
#include <QIcon>

#include <vector>

class QPushButton;
class QTreeWidget;

namespace flightdeck {

// The mark of a finding of each severity, in the tree and the Problems view.
QIcon SeverityIcon(TSeverity severity);

// "Problems": the findings of the check of a game, one row each with its mark, its place and
// its text. Show (or a double click) shows the chosen finding's entry; the fix button, named
// after the chosen finding's fix, makes it; Close closes.
class TProblemsDialog : public QDialog {
  Q_OBJECT

public:
  TProblemsDialog(const std::vector<TProblemLine>& lines, QWidget* parent = nullptr);
  TProblemChoice Choice() const { return FChoice; }

private:
  static QString Summary(const std::vector<TProblemLine>& lines);
  void Choose(bool fix);
  void SelectionChanged();

  const std::vector<TProblemLine>& FLines;
  QTreeWidget* FindingsView;
  QPushButton* ShowBtn;
  QPushButton* FixBtn;
  TProblemChoice FChoice;
};

} // namespace flightdeck
