// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace flightdeck {

// Hands the memory the program has freed back to the system, from every thread's heap: after
// a long list or a large check is let go, the allocator would otherwise keep it for the
// process, and the window would seem to hold what it no longer uses. Takes a while on a large
// heap; call it away from the window's thread.
void ReturnFreedMemory();

} // namespace flightdeck
