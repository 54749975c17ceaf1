// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zip/ZipTypes.h"

#include <optional>
#include <string>
#include <vector>

namespace flightdeck {

// An argument vector taken apart: element 0 is the password, options come before the archive
// path, file specifications after it, then "-i" and "-x" patterns and, when reading, "-d" and
// the target directory.
struct TZipReadOptions {
  std::string Password;
  bool List = false;                // -v
  bool Freshen = false;             // -f
  bool Update = false;              // -u
  bool JunkPaths = false;           // -j
  bool Multidisk = false;           // -!
  TZipOverwrite Overwrite = zowAsk; // -n never, -o always
  std::string Archive;
  std::vector<std::string> Specs;
  std::vector<std::string> Excludes; // -x
  std::string Directory;             // -d
};

struct TZipWriteOptions {
  std::string Password;
  bool Freshen = false;
  bool Update = false;
  bool Encrypt = false;                    // -e
  int Level = 6;                           // -0 .. -9
  bool Move = false;                       // -m
  bool Hidden = false;                     // -S
  bool DirectoryEntries = false;           // -D
  bool Recurse = false;                    // -r
  bool JunkPaths = false;                  // -j
  bool Multidisk = false;                  // -!
  bool ClearDisks = false;                 // -&
  bool VolumeLabel = false;                // -$
  bool InPlace = false;                    // -g
  std::string TempPath;                    // -b
  std::vector<std::string> StoredSuffixes; // -n ".zip;.lzh"
  std::string NewerThan;                   // -t mmddyy
  std::string Archive;
  std::vector<std::string> Specs;
  std::vector<std::string> Includes; // -i
  std::vector<std::string> Excludes; // -x
};

// Empty when the vector does not fit the layout; `error` then says why.
std::optional<TZipReadOptions> ParseReadOptions(const std::vector<std::string>& arguments,
                                                std::string& error);
std::optional<TZipWriteOptions> ParseWriteOptions(const std::vector<std::string>& arguments,
                                                  std::string& error);

// Matches a file specification the way zip tools do: "*" and "?" are wildcards (they also
// match "/"), "[abc]" a set; letters match without regard to ASCII case.
bool WildcardMatch(std::string_view pattern, std::string_view name);

} // namespace flightdeck
