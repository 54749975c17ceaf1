// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Invocation.h"

namespace flightdeck {

// Checks a game's catalogue, or a category or list of it: one JSON object per finding, in list
// order. Exit code 0 without errors, 1 with one.
int CheckCommand(const TInvocation& invocation);

} // namespace flightdeck
