// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace flightdeck {

// The steps of file access at which a failure can be simulated.
enum class TIoStep { OpenForReading, Create, Write, Rename };

// Decides, for each step on a host path, the error number it fails with, or 0. Tests use it to
// show what a full disk or a refused file does in the middle of a command; the program itself
// never sets one.
using TIoFaultPlan = std::function<int(TIoStep step, const std::string& hostPath)>;

void SetIoFaultPlan(TIoFaultPlan plan);

// Raises EInOutError when the plan says that `step` on `hostPath` fails.
void CheckIoFault(TIoStep step, const std::string& hostPath);

} // namespace flightdeck
