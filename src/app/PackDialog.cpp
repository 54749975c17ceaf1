// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PackDialog.h"

#include "app/ClassicFont.h"
#include "app/CoreText.h"
#include "app/ListText.h"
#include "lists/MissionTypes.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace flightdeck {

namespace {

constexpr int TitleColumns = 3; // Neutral, Rebel, Imperial

std::string* Title(TPackageItem& item, int column) {
  std::string* titles[] = {&item.NeutralTitle, &item.RebelTitle, &item.ImperialTitle};
  return titles[column];
}

} // namespace

TixoPackDialog::TixoPackDialog(const std::vector<TPackageItem>& items, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("ixoPackDialog"));
  setWindowTitle(tr("Pack List"));
  setFont(ClassicFont("MS Sans Serif")); // not translated: a font
  resize(633, 252);
  GenderStringsGrid = new QTableWidget(static_cast<int>(items.size()), 1 + TitleColumns, this);
  GenderStringsGrid->setObjectName(QStringLiteral("GenderStringsGrid"));
  GenderStringsGrid->setAccessibleName(tr("Pack List"));
  GenderStringsGrid->setMinimumHeight(120); // as narrow as a small screen needs
  GenderStringsGrid->setHorizontalHeaderLabels(
      {tr("Entry"), tr("Neutral"), tr("Rebel"), tr("Imperial")});
  GenderStringsGrid->verticalHeader()->setDefaultSectionSize(23);
  GenderStringsGrid->verticalHeader()->hide();
  GenderStringsGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  GenderStringsGrid->setEditTriggers(QAbstractItemView::AllEditTriggers);
  // The arrows go from cell to cell; Tab goes on to the buttons, so that the keyboard alone
  // edits the titles and builds the pack.
  GenderStringsGrid->setTabKeyNavigation(false);
  // The entry column keeps its width; the three title columns share what the vertical scroll
  // bar leaves, so all four are seen without scrolling sideways.
  GenderStringsGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  GenderStringsGrid->setColumnWidth(0, 116);
  GenderStringsGrid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
  for (int column = 1; column <= TitleColumns; ++column)
    GenderStringsGrid->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
  for (int row = 0; row < GenderStringsGrid->rowCount(); ++row) {
    TPackageItem item = items[static_cast<std::size_t>(row)];
    auto* kind = new QTableWidgetItem(KindName(item.Kind));
    kind->setFlags(kind->flags() & ~Qt::ItemIsEditable);
    GenderStringsGrid->setItem(row, 0, kind);
    for (int column = 0; column < TitleColumns; ++column)
      GenderStringsGrid->setItem(row, column + 1,
                                 new QTableWidgetItem(FromList(*Title(item, column))));
  }

  BuildPackageBtn = new QPushButton(tr("Build Pack"), this);
  BuildPackageBtn->setObjectName(QStringLiteral("BuildPackageBtn"));
  CancelBtn = new QPushButton(tr("Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  for (QPushButton* button : {BuildPackageBtn, CancelBtn})
    button->setMinimumSize(81, 25); // and more where the font needs it
  BuildPackageBtn->setDefault(true);
  connect(BuildPackageBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BuildPackageBtn);
  buttons->addWidget(CancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(GenderStringsGrid, 1);
  layout->addLayout(buttons);
}

void TixoPackDialog::ApplyTitles(std::vector<TPackageItem>& items) const {
  for (int row = 0; row < GenderStringsGrid->rowCount() && row < static_cast<int>(items.size());
       ++row)
    for (int column = 0; column < TitleColumns; ++column)
      *Title(items[static_cast<std::size_t>(row)], column) =
          ToList(GenderStringsGrid->item(row, column + 1)->text());
}

} // namespace flightdeck
