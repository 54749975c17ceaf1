#include "platform/HostPlaces.h"

namespace flightdeck {

THostGameFolders HostGameFolders() {
  return {};
}

} // namespace flightdeck
