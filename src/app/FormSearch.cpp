// SPDX-License-Identifier: GPL-3.0-or-later
// Finding entries of the tree by their title or mission file name.

#include "app/ListText.h"
#include "app/TixoFlightdeckForm.h"

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
  // From the entry after the selected one, round to the top again. A text the code page
  // cannot hold is in no label.
  const std::optional<std::string> text = ListTextExactly(FSearchText);
  const TMissionNode* found =
      text && FList->Document() ? FList->Document()->FindText(SelectedNode(), *text) : nullptr;
  if (found) {
    Select(found);
    FMissionView->scrollTo(FModel->IndexOf(found));
    return;
  }
  ApplicationHint(tr("\"%1\" is not in this list").arg(FSearchText));
}

} // namespace flightdeck
