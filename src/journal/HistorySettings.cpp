// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/HistorySettings.h"

#include <algorithm>
#include <cstdint>

namespace flightdeck {

THistoryPlace HistoryPlaceOf(const TProfileFile& settings) {
  const std::int32_t mib = settings.ReadInteger(
      SettingsSection, "HistoryLimitMiB", static_cast<std::int32_t>(DefaultHistoryLimit >> 20));
  return {{}, static_cast<std::uint64_t>(std::max(mib, 1)) << 20};
}

} // namespace flightdeck
