// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProblemsDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>

namespace flightdeck {

// "2 errors, 1 warning and 3 notes in this game." and what the buttons do.
QString TProblemsDialog::Summary(const std::vector<TProblemLine>& lines) {
  if (lines.empty())
    return tr("Flightdeck found no problems in this game.");
  std::array<int, 3> counts{};
  for (const TProblemLine& line : lines)
    ++counts[static_cast<std::size_t>(line.Severity)];
  constexpr std::array<std::array<const char*, 2>, 3> words = {
      {{QT_TR_NOOP("1 error"), QT_TR_NOOP("%1 errors")},
       {QT_TR_NOOP("1 warning"), QT_TR_NOOP("%1 warnings")},
       {QT_TR_NOOP("1 note"), QT_TR_NOOP("%1 notes")}}};
  QStringList parts;
  for (std::size_t i = 0; i < counts.size(); ++i)
    if (counts[i] > 0)
      parts << (counts[i] > 1 ? tr(words[i][1]).arg(counts[i]) : tr(words[i][0]));
  const QString last = parts.takeLast();
  return tr("%1 in this game. Show goes to the entry; a fix is recorded in the history, and "
            "Edit > Undo takes it back.")
      .arg(parts.isEmpty() ? last : tr("%1 and %2").arg(parts.join(tr(", ")), last));
}

QIcon SeverityIcon(TSeverity severity) {
  constexpr std::array<QStyle::StandardPixmap, 3> pixmaps = {QStyle::SP_MessageBoxCritical,
                                                             QStyle::SP_MessageBoxWarning,
                                                             QStyle::SP_MessageBoxInformation};
  return QApplication::style()->standardIcon(pixmaps[static_cast<std::size_t>(severity)]);
}

TProblemsDialog::TProblemsDialog(const std::vector<TProblemLine>& lines, QWidget* parent)
    : QDialog(parent), FLines(lines) {
  setWindowTitle(tr("Problems"));
  auto* layout = new QVBoxLayout(this);
  auto* summary = new QLabel(Summary(lines), this);
  summary->setWordWrap(true);
  layout->addWidget(summary);

  FindingsView = new QTreeWidget(this);
  FindingsView->setObjectName(QStringLiteral("FindingsView"));
  FindingsView->setAccessibleName(tr("Problems"));
  FindingsView->setHeaderLabels({tr("Where"), tr("Problem")});
  FindingsView->setRootIsDecorated(false);
  FindingsView->setUniformRowHeights(true);
  QList<QTreeWidgetItem*> rows;
  for (const TProblemLine& line : lines) {
    auto* row = new QTreeWidgetItem({line.Place, line.Text});
    row->setIcon(0, SeverityIcon(line.Severity));
    row->setToolTip(1, line.Text);
    rows << row;
  }
  FindingsView->addTopLevelItems(rows);
  FindingsView->header()->resizeSection(0, 260);
  layout->addWidget(FindingsView);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(tr("Close"));
  FixBtn = buttons->addButton(tr("Fix"), QDialogButtonBox::ActionRole);
  ShowBtn = buttons->addButton(tr("Show"), QDialogButtonBox::ActionRole);
  ShowBtn->setDefault(true);
  connect(ShowBtn, &QPushButton::clicked, this, [this] { Choose(false); });
  connect(FixBtn, &QPushButton::clicked, this, [this] { Choose(true); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(FindingsView, &QTreeWidget::itemActivated, this, [this] { Choose(false); });
  connect(FindingsView, &QTreeWidget::currentItemChanged, this, [this] { SelectionChanged(); });
  layout->addWidget(buttons);
  if (!rows.isEmpty())
    FindingsView->setCurrentItem(rows.front());
  SelectionChanged();
  resize(720, 400);
}

void TProblemsDialog::SelectionChanged() {
  const int line = FindingsView->indexOfTopLevelItem(FindingsView->currentItem());
  const QString fix = line >= 0 ? FLines[static_cast<std::size_t>(line)].Fix : QString();
  ShowBtn->setEnabled(line >= 0);
  FixBtn->setEnabled(!fix.isEmpty());
  FixBtn->setText(fix.isEmpty() ? tr("Fix") : fix);
}

void TProblemsDialog::Choose(bool fix) {
  const int line = FindingsView->indexOfTopLevelItem(FindingsView->currentItem());
  if (line < 0 || (fix && FLines[static_cast<std::size_t>(line)].Fix.isEmpty()))
    return;
  FChoice = {line, fix};
  accept();
}

} // namespace flightdeck
