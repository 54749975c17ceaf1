// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace flightdeck {

// Where the one window of a user's session on a display listens for the starts that follow.
// On POSIX a socket path in $XDG_RUNTIME_DIR, else in a folder of the user's own (mode 0700)
// in the temporary folder; empty when there is no such folder. On Windows a pipe name of the
// user and the logon session.
std::string InstanceAddress(const std::string& display);

// Whether nothing is at the address yet, or a listener of the user's own is: a socket of
// someone else is never spoken to.
bool IsOwnOrFreeAddress(const std::string& address);

} // namespace flightdeck
