// SPDX-License-Identifier: GPL-3.0-or-later
// The panel's number box and next-number button, over the number commands.

#include "app/MissionPanel.h"

#include "app/ListText.h"
#include "journal/CommandNames.h"
#include "widgets/BevelPanel.h"
#include "widgets/FlatSpeedButton.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace flightdeck {

namespace {

constexpr const char* NumberCaptions[MissionTypeCount] = {
    QT_TRANSLATE_NOOP("flightdeck::TMissionPanel", "       Tour #:"),
    QT_TRANSLATE_NOOP("flightdeck::TMissionPanel", "      Mission #:"),
    QT_TRANSLATE_NOOP("flightdeck::TMissionPanel", "      Mission #:"),
    QT_TRANSLATE_NOOP("flightdeck::TMissionPanel", "  Tournament #:"),
    QT_TRANSLATE_NOOP("flightdeck::TMissionPanel", "      Mission #:")};

// Four digits with the line edit's margins around them.
int MissionNumberBoxWidth(const QFontMetrics& metrics) {
  return metrics.horizontalAdvance(QStringLiteral("9999")) + 10;
}

constexpr int NextNumberButtonWidth = 65; // at least

} // namespace

QString TMissionPanel::NextNumberCaption(std::int32_t number) {
  return tr("Next #: %1").arg(number);
}

int TMissionPanel::NumberCaptionWidth(const QFontMetrics& metrics) {
  int widest = 0;
  for (const char* caption : NumberCaptions)
    widest = std::max(widest, metrics.horizontalAdvance(tr(caption)));
  return widest;
}

void TMissionPanel::ShowEntryNumber(const QString& number) {
  MissionNumberEB->setText(number);
  // Four digits wide, or as wide as the number shown; the panel grows with the box.
  const QFontMetrics metrics = MissionNumberEB->fontMetrics();
  const int width =
      std::max(MissionNumberBoxWidth(metrics), metrics.horizontalAdvance(number) + 10);
  ShowFileNumberPanel->setFixedWidth(ShowFileNumberPanel->minimumWidth() + width -
                                     MissionNumberEB->minimumWidth());
  MissionNumberEB->setFixedWidth(width);
}

void TMissionPanel::ShowNextNumber(const QString& caption) {
  ShowNextNumberButton->SetCaption(caption);
  ShowNextNumberButton->setFixedWidth(std::max(
      NextNumberButtonWidth, ShowNextNumberButton->fontMetrics().horizontalAdvance(caption) + 10));
}

void TMissionPanel::ShowNumberCaption() {
  ShowFileNumberPanel->SetCaption(tr(NumberCaptions[FMissionType]));
}

void TMissionPanel::ShowNextNumberButtonClick(bool told) {
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
  if (told)
    Tell(tr(sentence).arg(number));
}

void TMissionPanel::MissionNumberEBEnter() {
  FNumberEditIndex = AbsoluteIndex(SelectedNode());
}

void TMissionPanel::MissionNumberEBExit() {
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
  ShowNextNumberButtonClick(false); // the number given up may be the next free one now
}

bool TMissionPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == MissionNumberEB) {
    if (event->type() == QEvent::FocusIn)
      MissionNumberEBEnter();
    else if (event->type() == QEvent::FocusOut)
      MissionNumberEBExit();
    else if (event->type() == QEvent::KeyRelease) {
      // Enter hands the focus to the tree, which applies the number.
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter)
        FMissionView->setFocus();
    }
  }
  return QWidget::eventFilter(watched, event);
}

} // namespace flightdeck
