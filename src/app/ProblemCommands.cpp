// SPDX-License-Identifier: GPL-3.0-or-later
// The Problems view: what the check finds in the whole game, and the fixes it offers.

#include "app/ProblemCommands.h"

#include "app/BackgroundWork.h"
#include "app/Controls.h"
#include "app/FindingWords.h"
#include "app/ListText.h"
#include "app/ProblemsDialog.h"
#include "services/CatalogueFixes.h"

#include <QAction>

#include <utility>

namespace flightdeck {

namespace {

QString FixCaption(TFix fix) {
  constexpr const char* captions[] = {
      QT_TRANSLATE_NOOP("flightdeck::TProblemsDialog", "Make Line Ends CR LF"),
      QT_TRANSLATE_NOOP("flightdeck::TProblemsDialog", "Remove Missing Missions"),
      QT_TRANSLATE_NOOP("flightdeck::TProblemsDialog", "Renumber Duplicates")};
  return TProblemsDialog::tr(captions[static_cast<std::size_t>(fix)]);
}

TProblemLine LineOf(const TFinding& finding) {
  TProblemLine line;
  line.Severity = SeverityOf(finding.Problem);
  line.Place = FromList(finding.List) +
               (finding.Entry >= 0 ? QStringLiteral(": ") + FromList(finding.Label) : QString());
  line.Text = FindingWords(finding);
  if (const std::optional<TFix> fix = FixFor(finding.Problem))
    line.Fix = FixCaption(*fix);
  return line;
}

} // namespace

TProblemCommands::TProblemCommands(TListController& list, TPrompts& prompts, QWidget& owner,
                                   std::function<void(const TFinding&)> goTo)
    : FList(list), FPrompts(prompts), FOwner(owner) {
  FAction = NamedAction(&owner, "mSearchProblems", tr("&Problems..."),
                        QKeySequence(QStringLiteral("Ctrl+Shift+P")),
                        tr("Check the whole game for broken entries and files"));
  QObject::connect(FAction, &QAction::triggered, &owner, [this, goTo = std::move(goTo)] {
    if (const std::optional<TFinding> finding = ShowProblems())
      goTo(*finding);
  });
}

std::optional<TFinding> TProblemCommands::ShowProblems() {
  // After a fix the view opens again on what is left.
  for (;;) {
    std::vector<TFinding> findings;
    std::vector<TProblemLine> lines;
    TBackgroundWork(&FOwner, tr("Checking the game..."), 0).Run([&] {
      findings = CheckCatalogue(FList.Game());
      lines.reserve(findings.size());
      for (const TFinding& finding : findings)
        lines.push_back(LineOf(finding));
    });
    const TProblemChoice choice = FPrompts.ChooseProblem(lines);
    if (choice.Line < 0 || choice.Line >= static_cast<int>(findings.size()))
      return std::nullopt;
    const TFinding& finding = findings[static_cast<std::size_t>(choice.Line)];
    if (!choice.Fix)
      return finding;
    int changed = 0;
    if (!FList.Run(std::string(FixName(*FixFor(finding.Problem))), finding.List,
                   [&](TSession& session) {
                     changed = ApplyFix(session, finding);
                     return true;
                   }))
      return std::nullopt;
    FList.ReadAgain(tr("%1: %2 changed in %3")
                        .arg(lines[static_cast<std::size_t>(choice.Line)].Fix,
                             QString::number(changed), FromList(finding.List)));
  }
}

} // namespace flightdeck
