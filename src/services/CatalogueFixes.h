// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/Session.h"
#include "services/CatalogueCheck.h"

#include <optional>
#include <string>
#include <string_view>

namespace flightdeck {

// The mends the check offers, each for the whole list (or battle file) a finding is in.
enum class TFix : std::uint8_t {
  LineEnds,           // every line feed without a carriage return gets one
  RemoveMissing,      // the entries whose mission file is missing go
  RenumberDuplicates, // each entry whose number an earlier one holds gets the next free one
};

// The fix that mends findings of `problem`, if there is one.
std::optional<TFix> FixFor(TProblem problem);
std::string_view FixName(TFix fix); // the history's name of the command: "fix-line-ends", ...

// Stages the fix for `finding`'s list, or its file for line ends, in `session` (named after the
// fix, FixName, with the list as its subject). Returns how many entries (or files) it changes.
int ApplyFix(TSession& session, const TFinding& finding);

} // namespace flightdeck
