// SPDX-License-Identifier: GPL-3.0-or-later
// The form's number box and next-number button, over the number commands.

#include "app/Application.h"
#include "app/ListText.h"
#include "app/MissionView.h"
#include "app/TixoFlightdeckForm.h"
#include "platform/AsciiCase.h"

#include "journal/CommandNames.h"
#include "widgets/FlatSpeedButton.h"
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace flightdeck {

void TixoFlightdeckForm::ShowNextNumberButtonClick(QObject* sender) {
  const char* sentence = QT_TR_NOOP("The next available mission number is %1");
  std::int32_t number = 0;
  if (const TMissionNode* selected = SelectedNode()) {
    const TListItemKind kind = selected->Record.Kind;
    number = FNumbers->NextNumber(kind);
    if (kind == likCampaign)
      sentence = QT_TR_NOOP("The next available campaign number is %1");
    else if (kind == likBattle)
      sentence = QT_TR_NOOP("The next available battle number is %1");
    else if (kind == likTournament)
      sentence = QT_TR_NOOP("The next available tournament number is %1");
  }
  ShowNextNumber(NextNumberCaption(number));
  if (sender == ShowNextNumberButton)
    Tell(tr(sentence).arg(number));
}

void TixoFlightdeckForm::MissionNumberEBEnter() {
  FNumberEditIndex = AbsoluteIndex(SelectedNode());
}

void TixoFlightdeckForm::MissionNumberEBExit() {
  const std::vector<TMissionNode*> nodes =
      FList->Document() ? FList->Document()->Nodes() : std::vector<TMissionNode*>();
  if (FNumberEditIndex < 0 || FNumberEditIndex >= static_cast<int>(nodes.size()))
    return;
  TMissionNode& entry = *nodes[static_cast<std::size_t>(FNumberEditIndex)];
  FNumbers->Renumber(entry, MissionNumberEB->displayText(), FromList(entry.Label()));
  FNumberEditIndex = -1;
  if (!FList->CommitEdit(CommandNames::Renumber, entry.Label()))
    return; // the list is shown again
  Select(&entry);
  ShowEntryNumber(QString::number(entry.Record.Number));
  ShowNextNumberButtonClick(this); // the number given up may be the next free one now
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
