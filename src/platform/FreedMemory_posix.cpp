// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FreedMemory.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace flightdeck {

void ReturnFreedMemory() {
#ifdef __GLIBC__
  malloc_trim(0); // every arena, not only the top of the main one
#endif
}

} // namespace flightdeck
