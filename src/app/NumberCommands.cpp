// Entry numbers: the next-number button and the number box.

#include "app/Application.h"
#include "app/ListText.h"
#include "app/MissionView.h"
#include "app/TixoFlightdeckForm.h"
#include "platform/AsciiCase.h"

#include "widgets/FlatSpeedButton.h"
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <optional>

namespace flightdeck {

namespace {

// The number typed into the box: leading blanks skipped, then the digits up to the first
// character that is not one. Empty when the box holds no digit at all.
std::optional<std::int32_t> TypedNumber(const QString& text) {
  if (!std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }))
    return std::nullopt;
  std::int32_t value = 0;
  int at = 0;
  while (at < text.size() && text[at] == QLatin1Char(' '))
    ++at;
  for (; at < text.size() && text[at] >= QLatin1Char('0') && text[at] <= QLatin1Char('9'); ++at)
    value = value * 10 + (text[at].unicode() - '0');
  return value;
}

QString Quoted(const QString& text) {
  return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

void TixoFlightdeckForm::ShowNextNumberButtonClick(QObject* sender) {
  QString word = QStringLiteral("mission");
  std::int32_t number = 0;
  if (const TMissionNode* selected = SelectedTreeNode()) {
    const TListItemKind kind = selected->Record.Kind;
    number = FList->Document()->NextNumber(kind);
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
  const TRenumbering renumbering = FList->Document()->PlanRenumbering(
      entry, TypedNumber(MissionNumberEB->displayText()).value_or(entry.Record.Number));
  const auto clash = [&] { return Quoted(FromList(renumbering.Clash->Label)); };
  if (!renumbering.Clash ||
      Ask(QStringLiteral("Confirm"),
          clash() +
              QStringLiteral(" is presently using this number.  Would you like to assign the next "
                             "available number (") +
              QString::number(renumbering.Next) + QStringLiteral(") to ") + clash() +
              QStringLiteral(", and then assign the number (") +
              QString::number(renumbering.Number) + QStringLiteral(") to ") +
              Quoted(item->text(0)) + QLatin1Char('?')) == TMessageResult::Yes)
    TMissionTree::Renumber(renumbering);
  FNumberEditIndex = -1;
  const std::string label = entry.Label;
  if (!FList->CommitEdit("renumber", label))
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
