// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/IoFaults.h"

#include <functional>
#include <string>

namespace flightdeck {

// Decides, for each step on a host path, the error number it fails with, or 0.
using TIoFaultPlan = std::function<int(TIoStep step, const std::string& hostPath)>;

// Makes the program's file access fail where `plan` says, until it is set to null. Linked into
// a test, this replaces the program's CheckIoFault, which does nothing.
void SetIoFaultPlan(TIoFaultPlan plan);

} // namespace flightdeck
