// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zip/ZipArchiver.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>

namespace flightdeck::bench {

// Writes at `pack` a pack of `count` missions, m0.tie and on, the mission numbered i holding
// `mission(i)`, under one campaign "Big" of a collection; its files are staged beside it.
inline void MakeCollectionPack(const std::filesystem::path& pack, int count,
                               const std::function<std::string(int)>& mission) {
  const std::filesystem::path files = pack.parent_path() / (pack.filename().string() + ".files");
  std::filesystem::create_directories(files);
  std::ofstream script(files / "pack.mcl", std::ios::binary);
  script << "Collection\r\n\r\nBig\r\nBig\r\nBig\r\n\r\nMissions\r\n";
  TZipArchiver zip;
  zip.UsePaths = false;
  zip.ZipFileName = pack.string();
  zip.FilesToProcess = {(files / "pack.mcl").string()};
  for (int i = 0; i < count; ++i) {
    const std::string name = "m" + std::to_string(i) + ".tie";
    script << name << "\r\nMission " << i << "\r\nM\r\nM\r\n";
    std::ofstream(files / name, std::ios::binary) << mission(i);
    zip.FilesToProcess.push_back((files / name).string());
  }
  script << "\r\n";
  script.close();
  if (zip.AddFiles(0) != 0)
    throw std::runtime_error(zip.LastError());
  std::filesystem::remove_all(files);
}

} // namespace flightdeck::bench
