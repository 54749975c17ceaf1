// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FreedMemory.h"

#include <malloc.h>

namespace flightdeck {

void ReturnFreedMemory() {
  _heapmin();
}

void MapLargeBlocksApart() {} // the Windows heap hands large blocks back by itself

} // namespace flightdeck
