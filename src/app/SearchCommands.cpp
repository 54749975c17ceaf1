// SPDX-License-Identifier: GPL-3.0-or-later
// Finding entries of the tree by their title or mission file name.

#include "app/ListText.h"
#include "app/TixoFlightdeckForm.h"

#include <QTreeWidget>

namespace flightdeck {

void TixoFlightdeckForm::mSearchFindClick() {
  const QString text = FEnvironment.Prompts->AskFindText(FSearchText);
  if (text.isEmpty())
    return;
  FSearchText = text;
  mSearchAgainClick();
}

void TixoFlightdeckForm::mSearchAgainClick() {
  if (FSearchText.isEmpty()) {
    mSearchFindClick();
    return;
  }
  // From the entry after the selected one, round to the top again.
  const std::vector<TMissionTreeItem*> nodes = TreeNodes();
  const int count = static_cast<int>(nodes.size());
  const int start = AbsoluteIndex(SelectedNode());
  for (int step = 1; step <= count; ++step) {
    TMissionTreeItem* node = nodes[static_cast<std::size_t>((start + step + count) % count)];
    const bool found =
        node->text(0).contains(FSearchText, Qt::CaseInsensitive) ||
        FromList(node->Record()->FileName).contains(FSearchText, Qt::CaseInsensitive);
    if (found) {
      FMissionView->setCurrentItem(node);
      FMissionView->scrollToItem(node);
      return;
    }
  }
  ApplicationHint(QLatin1Char('"') + FSearchText + QStringLiteral("\" is not in this list"));
}

} // namespace flightdeck
