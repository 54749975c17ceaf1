// SPDX-License-Identifier: GPL-3.0-or-later
// The marks of the check's findings on the tree's entries, and going to a finding's entry.

#include "app/Application.h"
#include "app/FindingWords.h"
#include "app/ListText.h"
#include "app/ProblemsDialog.h"
#include "app/TixoFlightdeckForm.h"

#include <QPixmap>
#include <QPointer>
#include <QStyle>
#include <QThreadPool>

#include <algorithm>
#include <array>

namespace flightdeck {

void TixoFlightdeckForm::CheckShownList() {
  ++FCheckGeneration;
  if (!FCheckRunning)
    RunCheck();
}

void TixoFlightdeckForm::RunCheck() {
  if (!FMissionCommandsEnabled || !FList->Document())
    return;
  FCheckRunning = true;
  // The pool waits for its tasks before the application goes; a window gone by then is told
  // nothing. A check that fails marks nothing: the Problems view tells why.
  QThreadPool::globalInstance()->start([form = QPointer<TixoFlightdeckForm>(this),
                                        generation = FCheckGeneration, game = FXvTPath,
                                        scope = TCheckScope{FMissionType, FGender}] {
    std::optional<std::vector<TFinding>> findings;
    try {
      findings = CheckCatalogue(game, scope);
    } catch (...) {
    }
    QMetaObject::invokeMethod(
        TixoApplication::Instance(),
        [form, generation, findings = std::move(findings)]() mutable {
          if (form)
            form->ShowFindings(std::move(findings), generation);
        },
        Qt::QueuedConnection);
  });
}

void TixoFlightdeckForm::ShowFindings(std::optional<std::vector<TFinding>> findings,
                                      std::uint64_t generation) {
  FCheckRunning = false;
  if (generation != FCheckGeneration) { // the list changed while it was checked
    RunCheck();
    return;
  }
  if (!findings || !FList->Document())
    return;
  // The most severe finding of an entry gives its mark.
  std::stable_sort(findings->begin(), findings->end(), [](const TFinding& a, const TFinding& b) {
    return SeverityOf(a.Problem) < SeverityOf(b.Problem);
  });
  const std::vector<TMissionNode*> nodes = FList->Document()->Nodes();
  const std::array<QIcon, 3> icons = {SeverityIcon(TSeverity::Error),
                                      SeverityIcon(TSeverity::Warning),
                                      SeverityIcon(TSeverity::Note)};
  TNodeMarks marks;
  QStringList listFindings;
  for (const TFinding& finding : *findings) {
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
  if (!listFindings.isEmpty())
    ApplicationHint(listFindings.join(QLatin1Char(' ')));
  // The status line names the selected entry's finding, unless a number is being typed there.
  if (FModel->MarkOf(SelectedNode()) && FNumberEditIndex == -1)
    MissionViewChange();
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
