// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Invocation.h"

namespace flightdeck {

// The games found in the user's home and its game libraries, one JSON object each.
int DetectCommand(const TInvocation& invocation);

} // namespace flightdeck
