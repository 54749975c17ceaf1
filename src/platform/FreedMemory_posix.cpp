// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FreedMemory.h"

#include <cstdlib> // which says whether the C library is glibc
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace flightdeck {

void ReturnFreedMemory() {
#ifdef __GLIBC__
  malloc_trim(0); // every arena, not only the top of the main one
#endif
}

void MapLargeBlocksApart() {
#ifdef __GLIBC__
  mallopt(M_MMAP_THRESHOLD, 256 << 10);
  mallopt(M_TRIM_THRESHOLD, 2 << 20); // the top of the heap is not handed back for each block
#endif
}

} // namespace flightdeck
