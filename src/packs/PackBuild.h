// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/ListFileItem.h"
#include "lists/MissionTree.h"
#include "lists/MissionTypes.h"
#include "lists/PackageItem.h"
#include "platform/Outcome.h"
#include "zip/ZipArchiver.h"

#include <string>
#include <vector>

namespace flightdeck {

// The title the list of `type` and `side` gives the mission file (the last entry of that
// name, whatever its kind), or "".
std::string LookUpMissionTitle(const std::string& gameDirectory, TMissionType type, TGender side,
                               const std::string& fileName);

// One pack entry per node; missions whose file is missing from the mission directory are left
// out, and their file names go to `leftOut`. A mission's title for the current side is its
// label, for the others its title in their lists of the single-mission type.
std::vector<TPackageItem> CollectPackageItems(const std::vector<TPackNode>& nodes,
                                              const std::string& gameDirectory, TMissionType type,
                                              TGender side, std::vector<std::string>& leftOut);

// The message that names the missions a build left out because their files are missing.
TMessage LeftOutMessage(const std::vector<std::string>& leftOut);

// "Hoth.ixo" gives "Hoth.mcl", "hoth.zip" "hoth.mcl": the script's entry name in a pack. Dots
// in the rest of the name become "_" ("DeepSpace-1.0.ixo" gives "DeepSpace-1_0.mcl"), so that
// an installer finds the script by the text after its first dot.
std::string PackScriptName(const std::string& archivePath);

// A pack name typed without an extension gets ".ixo", unless it names a folder.
std::string WithPackExtension(const std::string& archivePath);

// The refusal of a folder where a pack was meant: "\"…/Downloads\" is a folder, not a pack".
TMessage FolderNotPackMessage(const std::string& path);

// Writes the pack `archivePath`: its script first, then the mission files in script order, each
// once. An existing file of that name is replaced only when the new archive is complete; a
// mission that cannot be read fails the build with a message naming it.
TOutcome<> BuildPack(TZipArchiver& zipManager, const std::string& gameDirectory, TMissionType type,
                     const std::vector<TPackageItem>& items, const std::string& archivePath);

} // namespace flightdeck
