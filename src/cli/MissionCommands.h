// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Invocation.h"

namespace flightdeck {

// mission-info MISSIONFILE...: what each file is, as one JSON line a file; 1 unless every one is
// a mission of this game.
int MissionInfoCommand(const TInvocation& invocation);

} // namespace flightdeck
