#pragma once

#include "lists/MissionTypes.h"
#include "lists/PackageItem.h"
#include "zip/ZipArchiver.h"

#include <string>
#include <vector>

namespace flightdeck {

// The script of a pack: the first entry whose name, after its first ".", is "mcl"; empty when
// there is none. `listing` holds the entry names as the archive lists them.
std::string FindInstallScript(const std::vector<std::string>& listing);

struct TPackFiles {
  std::string Error;                // for the user; empty when the pack's files are in place
  std::vector<TPackageItem> Items;  // the entries to add to the lists
  std::vector<std::string> Dropped; // file names of entries left out: not plain file names
};

inline const char* const NoInstallScriptMessage =
    "Flightdeck was unable to locate the installation script for this package!";

// Takes a listed pack apart: extracts its script into a private folder, reads it for a list of
// `type`, and extracts the missions it names into the mission directory of `type`. The game
// directory changes only when every mission file came out of the archive.
TPackFiles ExtractPackFiles(TZipArchiver& zipManager, const std::vector<std::string>& listing,
                            const std::string& gameDirectory, TMissionType type);

// Adds the entries of a pack to the lists they belong in: the list of `type` and `gender`
// (unless `type` is Combat) and, for Battles and Combat, the three Combat lists.
void AddPackToLists(const std::string& gameDirectory, TMissionType type, TGender gender,
                    const std::vector<TPackageItem>& items);

} // namespace flightdeck
