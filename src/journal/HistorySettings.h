// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/History.h"
#include "platform/ProfileFile.h"

#include <string_view>

namespace flightdeck {

// The section of the window's settings file (flightdeck.ini) that holds its settings.
inline constexpr std::string_view SettingsSection = "IxoKit";

// The history's place as the settings set it: how large a game's history may grow
// (HistoryLimitMiB, at least 1 MiB), which the window and the command line both keep to. A
// missing file or key, or a value that is no number, leaves the default.
THistoryPlace HistoryPlaceOf(const TProfileFile& settings);

} // namespace flightdeck
