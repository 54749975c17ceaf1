// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Invocation.h"

namespace flightdeck {

// The pack commands of flightdeck-cli; each returns the exit code and reports on the streams.
int InstallPackCommand(const TInvocation& invocation);
int BuildPackCommand(const TInvocation& invocation);
int PackInfoCommand(const TInvocation& invocation);

} // namespace flightdeck
