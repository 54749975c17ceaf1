// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HostPlaces.h"

namespace flightdeck {

THostGameFolders HostGameFolders() {
  return {};
}

} // namespace flightdeck
