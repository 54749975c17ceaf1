// SPDX-License-Identifier: GPL-3.0-or-later
// The form's number box and next-number button, over the number commands.

#include "app/Application.h"
#include "app/ListText.h"
#include "app/MissionView.h"
#include "app/TixoFlightdeckForm.h"
#include "platform/AsciiCase.h"

#include "widgets/FlatSpeedButton.h"
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace flightdeck {

void TixoFlightdeckForm::ShowNextNumberButtonClick(QObject* sender) {
  QString word = QStringLiteral("mission");
  std::int32_t number = 0;
  if (const TMissionNode* selected = SelectedTreeNode()) {
    const TListItemKind kind = selected->Record.Kind;
    number = FNumbers->NextNumber(kind);
    if (kind == likCampaign || kind == likBattle || kind == likTournament)
      word = QString::fromStdString(LowerCaseAscii(ListItemKindName(kind)));
  }
  ShowNextNumberButton->SetCaption(QStringLiteral("Next #: ") + QString::number(number));
  if (sender == ShowNextNumberButton)
    Tell(QStringLiteral("The next available ") + word + QStringLiteral(" number is ") +
         QString::number(number));
}

void TixoFlightdeckForm::MissionNumberEBEnter() {
  const TMissionTreeItem* selected = SelectedNode();
  FNumberEditIndex = selected ? AbsoluteIndex(selected) : -1;
}

void TixoFlightdeckForm::MissionNumberEBExit() {
  const std::vector<TMissionTreeItem*> items = TreeNodes();
  if (FNumberEditIndex < 0 || FNumberEditIndex >= static_cast<int>(items.size()))
    return;
  TMissionTreeItem* item = items[static_cast<std::size_t>(FNumberEditIndex)];
  TMissionNode& entry = item->Node();
  FNumbers->Renumber(entry, MissionNumberEB->displayText(), item->text(0));
  FNumberEditIndex = -1;
  if (!FList->CommitEdit("renumber", entry.Label))
    return; // the list is shown again
  FMissionView->setCurrentItem(item);
  MissionNumberEB->setText(QString::number(entry.Record.Number));
}

void TixoFlightdeckForm::MissionNumberEBKeyUp(int key) {
  // Enter hands the focus to the tree, which applies the number.
  if (key == Qt::Key_Return || key == Qt::Key_Enter)
    FMissionView->setFocus();
}

bool TixoFlightdeckForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == MissionNumberEB) {
    if (event->type() == QEvent::FocusIn)
      MissionNumberEBEnter();
    else if (event->type() == QEvent::FocusOut)
      MissionNumberEBExit();
    else if (event->type() == QEvent::KeyRelease)
      MissionNumberEBKeyUp(static_cast<QKeyEvent*>(event)->key());
  }
  return QMainWindow::eventFilter(watched, event);
}

} // namespace flightdeck
