// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CoreText.h"
#include "app/ListText.h"
#include "services/CatalogueCheck.h"

#include <QString>

namespace flightdeck {

// A finding in the window's language and words: the game's text from Windows-1252, and a name
// the lists cannot hold as the host spells it.
inline QString FindingWords(const TFinding& finding) {
  QString text = CoreText("Finding", FindingTemplate(finding.Problem));
  text.replace(QStringLiteral("{file}"), finding.HostName.empty()
                                             ? FromList(finding.File)
                                             : QString::fromStdString(finding.HostName));
  return text.replace(QStringLiteral("{detail}"), FromList(finding.Detail));
}

} // namespace flightdeck
