// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>
#include <optional>

namespace flightdeck {

// Calendar times as the host's C library gives them, without its shared buffers.

// The user's local time of `seconds` since 1970; nothing when the host cannot tell it.
std::optional<std::tm> LocalCalendarTime(std::time_t seconds);

// Seconds since 1970 of a calendar time in UTC; -1 when it is none.
std::time_t SecondsOfUtc(std::tm time);

} // namespace flightdeck
