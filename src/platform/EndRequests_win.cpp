// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EndRequests.h"

namespace flightdeck {

int EndRequestDescriptor() {
  return -1;
}

void TakeEndRequests() {}

} // namespace flightdeck
