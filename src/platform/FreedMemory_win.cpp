// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FreedMemory.h"

#include <malloc.h>

namespace flightdeck {

void ReturnFreedMemory() {
  _heapmin();
}

} // namespace flightdeck
