// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/MissionTypes.h"
#include "lists/PackageItem.h"

#include <string>
#include <string_view>
#include <vector>

namespace flightdeck {

// Writes the installation script of a pack: "Series=" lines for wars and tournament series,
// "Collection" blocks of five lines for campaigns, battles and tournaments, and "Missions"
// blocks for each run of missions of one kind, ended by an empty line. The file is replaced
// only when complete. A script over the bounds of a script or of a line (see Limits.h) is
// refused with EInOutError, whose Reason says which.
void WriteInstallScript(std::string_view fileName, const std::vector<TPackageItem>& items);

// Reads an installation script for a list of `missionType`, which decides the kinds of the
// entries. Every mission file name read is appended to `filesToProcess`, so that an
// extraction that follows takes exactly the pack's missions. A missing file reads as no
// entries; malformed text never stops the reader. A script over the bounds of a script, of a
// line or of the missions of a pack (see Limits.h) is refused with EInOutError, whose Reason
// says which.
std::vector<TPackageItem> ReadInstallScript(std::string_view fileName, TMissionType missionType,
                                            std::vector<std::string>& filesToProcess);

// Why a pack that names more missions than a pack may hold is refused.
std::string TooManyMissions();

// Disposes the entries of a pack and gives back their memory.
void FreePackageItems(std::vector<TPackageItem>& items);

} // namespace flightdeck
