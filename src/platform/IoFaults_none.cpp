// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IoFaults.h"

namespace flightdeck {

void CheckIoFault(TIoStep /*step*/, const THostPath& /*hostPath*/) {}

} // namespace flightdeck
