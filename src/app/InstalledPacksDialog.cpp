// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InstalledPacksDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace flightdeck {

TInstalledPacksDialog::TInstalledPacksDialog(const std::vector<TInstalledPackLine>& packs,
                                             QWidget* parent)
    : QDialog(parent), FPacks(packs) {
  setWindowTitle(tr("Installed Packs"));
  auto* layout = new QVBoxLayout(this);
  auto* summary = new QLabel(
      packs.empty() ? tr("No pack was installed into this game by Flightdeck.")
                    : tr("The packs installed into this game, newest first. Remove takes the "
                         "chosen pack out, whatever was installed after it; Edit > Undo takes "
                         "that back."),
      this);
  summary->setWordWrap(true);
  layout->addWidget(summary);

  PacksView = new QTreeWidget(this);
  PacksView->setObjectName(QStringLiteral("PacksView"));
  PacksView->setAccessibleName(tr("Installed packs"));
  PacksView->setHeaderLabels(
      {tr("Pack"), tr("Installed"), tr("Category"), tr("Groups"), tr("Missions"), tr("State")});
  PacksView->setRootIsDecorated(false);
  PacksView->setUniformRowHeights(true);
  QList<QTreeWidgetItem*> rows;
  for (const TInstalledPackLine& pack : packs) {
    auto* row = new QTreeWidgetItem({pack.Pack, pack.Installed, pack.Category, pack.Groups,
                                     QString::number(pack.Missions), pack.State});
    row->setToolTip(3, pack.Groups);
    rows << row;
  }
  PacksView->addTopLevelItems(rows);
  for (const int column : {0, 1, 2, 4})
    PacksView->resizeColumnToContents(column);
  layout->addWidget(PacksView, 2);

  auto* readmeLabel = new QLabel(tr("What the pack says about &itself:"), this);
  ReadmeView = new QPlainTextEdit(this);
  ReadmeView->setObjectName(QStringLiteral("ReadmeView"));
  ReadmeView->setReadOnly(true);
  readmeLabel->setBuddy(ReadmeView);
  layout->addWidget(readmeLabel);
  layout->addWidget(ReadmeView, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(tr("Close"));
  RemoveBtn = buttons->addButton(tr("&Remove..."), QDialogButtonBox::ActionRole);
  connect(RemoveBtn, &QPushButton::clicked, this, [this] {
    FChosen = PacksView->indexOfTopLevelItem(PacksView->currentItem());
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(PacksView, &QTreeWidget::currentItemChanged, this, [this] { SelectionChanged(); });
  layout->addWidget(buttons);
  if (!rows.isEmpty())
    PacksView->setCurrentItem(rows.front());
  SelectionChanged();
  resize(760, 440);
}

void TInstalledPacksDialog::SelectionChanged() {
  const int row = PacksView->indexOfTopLevelItem(PacksView->currentItem());
  const TInstalledPackLine* pack = row >= 0 ? &FPacks[static_cast<std::size_t>(row)] : nullptr;
  RemoveBtn->setEnabled(pack && pack->Removable);
  ReadmeView->setPlainText(!pack                    ? QString()
                           : pack->Readme.isEmpty() ? tr("(The pack has no description.)")
                                                    : pack->Readme);
}

} // namespace flightdeck
