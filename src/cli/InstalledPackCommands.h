// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Invocation.h"
#include "packs/PackRemoval.h"

namespace flightdeck {

// The packs installed into a game, from flightdeck-cli: listed one JSON object each, oldest
// first, and taken out one at a time, whatever came after. Each returns the exit code.
int PacksCommand(const TInvocation& invocation);
int RemovePackCommand(const TInvocation& invocation);

// A step of taking a pack out, as one JSON line of the kind install-pack's plan prints.
void PrintRemovalStep(const TPackRemovalStep& step);

} // namespace flightdeck
