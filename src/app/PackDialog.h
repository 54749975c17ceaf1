// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/PackageItem.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QTableWidget;

namespace flightdeck {

// "Pack List": the entries of a pack about to be built, one row each with its kind and its
// Neutral, Rebel and Imperial titles, which may be edited. "Build Pack" accepts, "Cancel" and
// closing the dialog reject.
class TixoPackDialog : public QDialog {
  Q_OBJECT

public:
  explicit TixoPackDialog(const std::vector<TPackageItem>& items, QWidget* parent = nullptr);

  // The titles as edited, written into `items` (the list the dialog was made from).
  void ApplyTitles(std::vector<TPackageItem>& items) const;

private:
  QTableWidget* GenderStringsGrid;
  QPushButton* BuildPackageBtn;
  QPushButton* CancelBtn;
};

} // namespace flightdeck
