// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zip/ZipTypes.h"

#include <string>
#include <vector>

namespace flightdeck {

// What the engine is asked to read: the entries of Archive that match Specs (all when there
// are none) and none of Excludes, listed or extracted into Directory.
struct TZipReadOptions {
  std::string Password;
  bool List = false;
  bool Freshen = false;
  bool Update = false;
  bool JunkPaths = false;
  bool Multidisk = false;
  TZipOverwrite Overwrite = zowAsk;
  std::string Archive;
  std::vector<std::string> Specs;
  std::vector<std::string> Excludes;
  std::string Directory;
};

// What the engine is asked to write: the files Specs find (narrowed to those matching
// Includes, when there are any, and none of Excludes) into Archive.
struct TZipWriteOptions {
  std::string Password;
  bool Freshen = false;
  bool Update = false;
  bool Encrypt = false;
  int Level = 6; // 0 (stored) to 9
  bool Move = false;
  bool Hidden = false;
  bool DirectoryEntries = false;
  bool Recurse = false;
  bool JunkPaths = false;
  bool Multidisk = false;
  bool ClearDisks = false;
  bool VolumeLabel = false;
  bool InPlace = false;
  std::string TempPath;
  std::vector<std::string> StoredSuffixes; // stored as they are: ".zip", ".lzh", ...
  std::string NewerThan;                   // files older than this date (mmddyy) are left out
  std::string Archive;
  std::vector<std::string> Specs;
  std::vector<std::string> Includes;
  std::vector<std::string> Excludes;
};

} // namespace flightdeck
