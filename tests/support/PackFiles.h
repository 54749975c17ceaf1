// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/TestFiles.h"
#include "zip/ZipArchiver.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace flightdeck::test {

// Writes a zip archive at `pack` holding the given files (name, content) under their names,
// made the way packs are made: bare names, level 6.
inline void MakePack(const std::filesystem::path& pack,
                     const std::vector<std::pair<std::string, std::string>>& files) {
  const std::filesystem::path staging = pack.parent_path() / (pack.filename().string() + ".files");
  std::filesystem::create_directories(staging);
  TZipArchiver zip;
  zip.UsePaths = false;
  zip.ZipFileName = pack.string();
  for (const auto& [name, content] : files) {
    WriteBytes(staging / name, content);
    zip.FilesToProcess.push_back((staging / name).string());
  }
  if (zip.AddFiles(0) != 0)
    throw std::runtime_error("cannot make the pack: " + zip.LastError());
  std::filesystem::remove_all(staging);
}

// Sets `zip` up as the window does for installing `pack` and lists it: the entry names in
// listing order, lower case.
inline std::vector<std::string> ListPack(TZipArchiver& zip, const std::filesystem::path& pack) {
  std::vector<std::string> listing;
  zip.UsePaths = false;
  zip.OnListing = [&](TZipArchiver&, const TZipFileStats& stats) {
    listing.push_back(stats.FileName);
  };
  zip.ZipFileName = pack.string();
  zip.ListFiles();
  zip.OnListing = nullptr;
  return listing;
}

// The script of a battle pack: a war of one battle with three operations, titled per side.
inline std::string BattlePackScript() {
  return CrLf({"Series=Dark Times",
               "Collection",
               "Dark1.LST",
               "Into Darkness",
               "Into Darkness R",
               "Into Darkness I",
               "First|Second|",
               "Missions",
               "d1.tie",
               "Dawn",
               "Dawn R",
               "Dawn I",
               "d2.tie",
               "Noon",
               "",
               "Noon I",
               "d3.tie",
               "Dusk",
               "Dusk R",
               "",
               ""});
}

} // namespace flightdeck::test
