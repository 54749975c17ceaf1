// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/FileTransaction.h"
#include "lists/MissionTypes.h"
#include "lists/PackageItem.h"
#include "platform/Message.h"

#include <string>
#include <vector>

namespace flightdeck {

// The mission names of a pack, each once, in script order.
std::vector<std::string> MissionNames(const std::vector<TPackageItem>& items);

// A mission of a pack that is no mission of this game, and why.
struct TNonMission {
  std::string Name; // as the pack's script names it
  TMessage Reason;
};
// The missions of a pack, as staged in `staging` for the mission folder of `type` (else as they
// are there), that are no missions of this game, or cannot be read. Only their headers and
// sizes are read.
std::vector<TNonMission> PackNonMissions(const TFileTransaction& staging,
                                         const std::vector<TPackageItem>& items,
                                         const std::string& gameDirectory, TMissionType type);
// "\"d1.tie\" (cut short: 900 of 76,162 bytes), ...".
TMessage NonMissionsList(const std::vector<TNonMission>& nonMissions);

// What an install does with files of a pack that are no missions of this game: refuses the pack,
// or installs them with it, each noted.
enum class TNonMissions : unsigned char { Refuse, Install };

} // namespace flightdeck
