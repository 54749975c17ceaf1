// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace flightdeck {

// The system asking the program to end (SIGTERM at a logout, SIGHUP when its terminal goes),
// turned into something an event loop can wait for: from the first call on, such a request makes
// the descriptor returned readable instead of ending the process, so that the window can close as
// a user closes it. -1 where the host has no such requests (Windows sends a window a close
// message itself).
int EndRequestDescriptor();
// Takes the requests waiting, so that the descriptor waits for the next.
void TakeEndRequests();

} // namespace flightdeck
