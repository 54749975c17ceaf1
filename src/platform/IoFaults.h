// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HostPath.h"

namespace flightdeck {

// The steps of file access at which a failure can be simulated.
enum class TIoStep { OpenForReading, Create, Write, Rename };

// Raises EInOutError when `step` on `hostPath` is to fail. The program's own build does nothing
// here (IoFaults_none.cpp); the tests link a version that follows the plan they set
// (tests/support/IoFaultPlan.h), to show what a full disk or a refused file does in the middle
// of a command.
void CheckIoFault(TIoStep step, const THostPath& hostPath);

} // namespace flightdeck
