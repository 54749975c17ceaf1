// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Invocation.h"

namespace flightdeck {

// The commands of flightdeck-cli on one list of a game; each returns the exit code (0 done,
// 1 failed or refused with nothing changed, 2 a wrong argument) and reports on the streams.
// The edits go through the same operations of the mission tree as the window's, and save the
// list as the window does.
int DumpCommand(const TInvocation& invocation);
int TreeCommand(const TInvocation& invocation);
int ResaveCommand(const TInvocation& invocation);
int InstallMissionCommand(const TInvocation& invocation);
int RenameCommand(const TInvocation& invocation);
int RemoveCommand(const TInvocation& invocation);
int MoveCommand(const TInvocation& invocation);
int RenumberCommand(const TInvocation& invocation);
int AddGroupCommand(const TInvocation& invocation);
int AddBattleCommand(const TInvocation& invocation);

} // namespace flightdeck
