// SPDX-License-Identifier: GPL-3.0-or-later
// The marks of the check's findings on the tree's entries, and going to a finding's entry.

#include "app/FindingWords.h"
#include "app/ListText.h"
#include "app/ProblemsDialog.h"
#include "app/TixoFlightdeckForm.h"

#include <QPixmap>
#include <QStyle>
#include <QTreeWidget>

#include <algorithm>
#include <array>

namespace flightdeck {

namespace {

void AddInTreeOrder(QTreeWidgetItem* item, std::vector<QTreeWidgetItem*>& ordered) {
  ordered.push_back(item);
  for (int i = 0; i < item->childCount(); ++i)
    AddInTreeOrder(item->child(i), ordered);
}

} // namespace

QString TixoFlightdeckForm::MarkFindings(const QList<QTreeWidgetItem*>& roots) {
  if (!FMissionCommandsEnabled)
    return {};
  std::vector<TFinding> findings = CheckCatalogue(FXvTPath, {FMissionType, FGender});
  // The most severe finding of an entry gives its mark.
  std::stable_sort(findings.begin(), findings.end(), [](const TFinding& a, const TFinding& b) {
    return SeverityOf(a.Problem) < SeverityOf(b.Problem);
  });
  std::vector<QTreeWidgetItem*> nodes;
  for (QTreeWidgetItem* root : roots)
    AddInTreeOrder(root, nodes);
  const std::array<QIcon, 3> marks = {SeverityIcon(TSeverity::Error),
                                      SeverityIcon(TSeverity::Warning),
                                      SeverityIcon(TSeverity::Note)};
  QStringList listFindings;
  for (const TFinding& finding : findings) {
    const QString text = FindingWords(finding);
    if (finding.Entry < 0 || finding.Entry >= static_cast<int>(nodes.size())) {
      listFindings << text;
      continue;
    }
    QTreeWidgetItem* item = nodes[static_cast<std::size_t>(finding.Entry)];
    const QString marked = item->toolTip(0);
    if (marked.isEmpty())
      item->setIcon(0, marks[static_cast<std::size_t>(SeverityOf(finding.Problem))]);
    item->setToolTip(0, marked.isEmpty() ? text : marked + QLatin1Char('\n') + text);
  }
  // Where some entries carry a mark, the others keep its room, so that the labels stay aligned.
  if (std::any_of(nodes.begin(), nodes.end(),
                  [](const QTreeWidgetItem* item) { return !item->toolTip(0).isEmpty(); })) {
    const int side = FMissionView->style()->pixelMetric(QStyle::PM_SmallIconSize);
    QPixmap blank(side, side);
    blank.fill(Qt::transparent);
    const QIcon room(blank);
    for (QTreeWidgetItem* item : nodes)
      if (item->toolTip(0).isEmpty())
        item->setIcon(0, room);
  }
  return listFindings.join(QLatin1Char(' '));
}

void TixoFlightdeckForm::ShowFinding(const TFinding& finding) {
  if (finding.Type != FMissionType)
    ShowMissionType(finding.Type);
  if (SeverityOf(finding.Problem) != TSeverity::Note && finding.Side != FGender)
    ChangeGender(finding.Side);
  const std::vector<TMissionTreeItem*> nodes = TreeNodes();
  if (finding.Entry >= 0 && finding.Entry < static_cast<int>(nodes.size())) {
    TMissionTreeItem* item = nodes[static_cast<std::size_t>(finding.Entry)];
    FMissionView->setCurrentItem(item);
    FMissionView->scrollToItem(item);
  } else {
    ApplicationHint(FindingWords(finding));
  }
}

} // namespace flightdeck
