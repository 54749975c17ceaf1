// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ListText.h"
#include "services/CatalogueCheck.h"

#include <QString>

namespace flightdeck {

// A finding in the window's words: the game's text from Windows-1252, and a name the lists
// cannot hold as the host spells it.
inline QString FindingWords(const TFinding& finding) {
  QString text = FromList(FindingText(finding));
  if (!finding.HostName.empty())
    text.replace(FromList(finding.File), QString::fromStdString(finding.HostName));
  return text;
}

} // namespace flightdeck
