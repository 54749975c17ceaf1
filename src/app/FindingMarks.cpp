// SPDX-License-Identifier: GPL-3.0-or-later
// The marks of the check's findings on the tree's entries, and going to a finding's entry.

#include "app/FindingWords.h"
#include "app/ListText.h"
#include "app/ProblemsDialog.h"
#include "app/TixoFlightdeckForm.h"

#include <QPixmap>
#include <QStyle>

#include <algorithm>
#include <array>

namespace flightdeck {

QString TixoFlightdeckForm::MarkFindings() {
  if (!FMissionCommandsEnabled)
    return {};
  std::vector<TFinding> findings = CheckCatalogue(FXvTPath, {FMissionType, FGender});
  // The most severe finding of an entry gives its mark.
  std::stable_sort(findings.begin(), findings.end(), [](const TFinding& a, const TFinding& b) {
    return SeverityOf(a.Problem) < SeverityOf(b.Problem);
  });
  const std::vector<TMissionNode*> nodes = FList->Document()->Nodes();
  const std::array<QIcon, 3> icons = {SeverityIcon(TSeverity::Error),
                                      SeverityIcon(TSeverity::Warning),
                                      SeverityIcon(TSeverity::Note)};
  TNodeMarks marks;
  QStringList listFindings;
  for (const TFinding& finding : findings) {
    const QString text = FindingWords(finding);
    if (finding.Entry < 0 || finding.Entry >= static_cast<int>(nodes.size())) {
      listFindings << text;
      continue;
    }
    const auto [mark, first] = marks.try_emplace(nodes[static_cast<std::size_t>(finding.Entry)]);
    if (first)
      mark->second = {icons[static_cast<std::size_t>(SeverityOf(finding.Problem))], text};
    else
      mark->second.Text += QLatin1Char('\n') + text;
  }
  const int side = FMissionView->style()->pixelMetric(QStyle::PM_SmallIconSize);
  QPixmap blank(side, side);
  blank.fill(Qt::transparent);
  FModel->SetMarks(std::move(marks), QIcon(blank));
  return listFindings.join(QLatin1Char(' '));
}

void TixoFlightdeckForm::ShowFinding(const TFinding& finding) {
  if (finding.Type != FMissionType)
    ShowMissionType(finding.Type);
  if (SeverityOf(finding.Problem) != TSeverity::Note && finding.Side != FGender)
    ChangeGender(finding.Side);
  const std::vector<TMissionNode*> nodes =
      FList->Document() ? FList->Document()->Nodes() : std::vector<TMissionNode*>();
  if (finding.Entry >= 0 && finding.Entry < static_cast<int>(nodes.size())) {
    const TMissionNode* node = nodes[static_cast<std::size_t>(finding.Entry)];
    Select(node);
    FMissionView->scrollTo(FModel->IndexOf(node));
  } else {
    ApplicationHint(FindingWords(finding));
  }
}

} // namespace flightdeck
