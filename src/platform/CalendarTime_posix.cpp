// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CalendarTime.h"

namespace flightdeck {

std::optional<std::tm> LocalCalendarTime(std::time_t seconds) {
  std::tm fields{};
  if (!localtime_r(&seconds, &fields))
    return std::nullopt;
  return fields;
}

std::time_t SecondsOfUtc(std::tm time) {
  return timegm(&time);
}

} // namespace flightdeck
