// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CheckCommand.h"

#include "cli/JsonText.h"
#include "services/CatalogueCheck.h"

#include <iostream>

namespace flightdeck {

int CheckCommand(const TInvocation& invocation) {
  TCheckScope scope;
  if (invocation.ListWords > 0)
    scope.Type = invocation.Type;
  if (invocation.ListWords > 1)
    scope.Side = invocation.Side;
  // Printed as found: a check of any size holds one finding at a time.
  bool errors = false;
  CheckCatalogue(invocation.GameDirectory, scope, [&](const TFinding& finding) {
    const TSeverity severity = SeverityOf(finding.Problem);
    errors = errors || severity == TSeverity::Error;
    std::cout << "{\"severity\":" << JsonString(SeverityName(severity))
              << (severity == TSeverity::Note ? ",\"folder\":" : ",\"list\":")
              << JsonString(finding.List);
    if (finding.Entry >= 0)
      std::cout << ",\"entry\":" << JsonString(finding.Label);
    std::cout << ",\"problem\":" << JsonString(ProblemName(finding.Problem));
    if (!finding.File.empty())
      std::cout << ",\"file\":"
                << (finding.HostName.empty() ? JsonString(finding.File)
                                             : JsonStringUtf8(finding.HostName));
    if (!finding.Detail.empty())
      std::cout << ",\"detail\":" << JsonString(finding.Detail);
    std::cout << "}\n";
  });
  return errors ? 1 : 0;
}

} // namespace flightdeck
