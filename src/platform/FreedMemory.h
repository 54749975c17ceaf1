// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace flightdeck {

// Hands the memory the program has freed back to the system, from every thread's heap: after
// a long list or a large check is let go, the allocator would otherwise keep it for the
// process, and the window would seem to hold what it no longer uses. Takes a while on a large
// heap; call it away from the window's thread.
void ReturnFreedMemory();

// Has every large block (from 256 KiB) mapped by itself for the rest of the run, so that the
// system has it back the moment it is freed. The C library on Linux raises that bound each
// time such a block is freed, up to 32 MiB, after which a long list's buffers are carved from
// the heap and what is freed around the blocks that stay cannot be given back. Call it first.
void MapLargeBlocksApart();

} // namespace flightdeck
