// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/IoFaultPlan.h"

#include "platform/InOutError.h"

namespace flightdeck {

namespace {

TIoFaultPlan& Plan() {
  static TIoFaultPlan plan;
  return plan;
}

} // namespace

void SetIoFaultPlan(TIoFaultPlan plan) {
  Plan() = std::move(plan);
}

void CheckIoFault(TIoStep step, const THostPath& hostPath) {
  if (Plan())
    if (const int error = Plan()(step, hostPath.Native()))
      throw EInOutError(error, hostPath.Native());
}

} // namespace flightdeck
