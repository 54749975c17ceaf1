// SPDX-License-Identifier: GPL-3.0-or-later
// Lists and extracts archives made of arbitrary bytes, with and without paths.

#include "zip/ZipArchiver.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fs::path root =
      fs::temp_directory_path() / ("flightdeck-fuzz-zip-" + std::to_string(getpid()));
  fs::remove_all(root);
  fs::create_directories(root / "out");
  std::ofstream(root / "pack.ixo", std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  for (const bool usePaths : {false, true}) {
    flightdeck::TZipArchiver archiver;
    archiver.ZipFileName = (root / "pack.ixo").string();
    archiver.ExtractDirectory = (root / "out").string();
    archiver.UsePaths = usePaths;
    archiver.ListFiles();
    archiver.ExtractFiles(0);
  }
  // Nothing may land beside the target folder.
  for (const auto& entry : fs::directory_iterator(root))
    if (entry.path().filename() != "out" && entry.path().filename() != "pack.ixo")
      __builtin_trap();
  return 0;
}
