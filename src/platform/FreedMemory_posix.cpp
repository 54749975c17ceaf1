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
  mallopt(M_MMAP_THRESHOLD, 128 << 10); // the library's first bound, kept
#endif
}

} // namespace flightdeck
