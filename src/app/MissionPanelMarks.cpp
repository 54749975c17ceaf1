// SPDX-License-Identifier: GPL-3.0-or-later
// The marks of the check's findings on the tree's entries, and going to a finding's entry.

#include "app/MissionPanel.h"

#include "app/Application.h"
#include "app/BackgroundWork.h"
#include "app/FindingWords.h"
#include "app/ListText.h"
#include "app/ProblemsDialog.h"

#include <QPixmap>
#include <QPointer>
#include <QStyle>
#include <QThreadPool>

#include <algorithm>
#include <array>
#include <utility>

namespace flightdeck {

void TMissionPanel::CommandRecorded(std::string_view command) {
  Q_EMIT ChangeRecorded();
  const std::optional<TEditMarks> edit = std::exchange(FEditMarks, std::nullopt);
  if (!edit || edit->Command != command) {
    CheckShownList();
    return;
  }
  // The marks follow the edit: the check of a long list costs far more than the edit.
  if (edit->Retitled)
    FModel->Retitled(*edit->Retitled);
  if (FCheckRunning)
    ++FCheckGeneration; // what it finds is of the list before the edit
}

void TMissionPanel::CheckShownList() {
  ++FCheckGeneration;
  if (!FCheckRunning)
    RunCheck();
}

void TMissionPanel::RunCheck() {
  if (!FCommandsEnabled || !FList->Document())
    return;
  FCheckRunning = true;
  // The pool waits for its tasks before the application goes; a panel gone by then is told
  // nothing. A check that fails marks nothing: the Problems view tells why.
  QThreadPool::globalInstance()->start([panel = QPointer<TMissionPanel>(this),
                                        generation = FCheckGeneration, game = FList->Game(),
                                        scope = TCheckScope{FMissionType, FSide}] {
    std::optional<std::vector<TFinding>> findings;
    try {
      findings = CheckCatalogue(game, scope);
    } catch (...) {
    }
    QMetaObject::invokeMethod(
        TixoApplication::Instance(),
        [panel, generation, findings = std::move(findings)]() mutable {
          if (panel)
            panel->ShowFindings(std::move(findings), generation);
        },
        Qt::QueuedConnection);
  });
}

void TMissionPanel::ShowFindings(std::optional<std::vector<TFinding>> findings,
                                 std::uint64_t generation) {
  FCheckRunning = false;
  if (generation != FCheckGeneration) { // the list changed while it was checked
    RunCheck();
    return;
  }
  if (!findings || !FList->Document())
    return;
  // The most severe finding of an entry gives its mark; the list's own are told.
  std::stable_sort(findings->begin(), findings->end(), [](const TFinding& a, const TFinding& b) {
    return SeverityOf(a.Problem) < SeverityOf(b.Problem);
  });
  const std::vector<TMissionNode*> nodes = FList->Document()->Nodes();
  QStringList listFindings;
  for (const TFinding& finding : *findings)
    if (finding.Entry < 0 || finding.Entry >= static_cast<int>(nodes.size()))
      listFindings << FindingWords(finding);
  const int side = FMissionView->style()->pixelMetric(QStyle::PM_SmallIconSize);
  QPixmap blank(side, side);
  blank.fill(Qt::transparent);
  FModel->SetMarks(TNodeMarks(std::move(*findings), nodes),
                   {SeverityIcon(TSeverity::Error), SeverityIcon(TSeverity::Warning),
                    SeverityIcon(TSeverity::Note)},
                   QIcon(blank));
  findings.reset();
  ReturnFreedMemoryBesideTheWindow(); // the findings were many
  if (!listFindings.isEmpty())
    ShowHint(listFindings.join(QLatin1Char(' ')));
  // The status line names the selected entry's finding, unless a number is being typed there.
  if (!FModel->MarkText(SelectedNode()).isEmpty() && FNumberEditIndex == -1)
    MissionViewChange();
}

void TMissionPanel::ShowFinding(const TFinding& finding) {
  if (finding.Type != FMissionType)
    ShowMissionType(finding.Type);
  if (SeverityOf(finding.Problem) != TSeverity::Note && finding.Side != FSide)
    ChangeSide(finding.Side);
  const std::vector<TMissionNode*> nodes =
      FList->Document() ? FList->Document()->Nodes() : std::vector<TMissionNode*>();
  if (finding.Entry >= 0 && finding.Entry < static_cast<int>(nodes.size())) {
    const TMissionNode* node = nodes[static_cast<std::size_t>(finding.Entry)];
    Select(node);
    FMissionView->scrollTo(FModel->IndexOf(node));
  } else {
    ShowHint(FindingWords(finding));
  }
}

} // namespace flightdeck
