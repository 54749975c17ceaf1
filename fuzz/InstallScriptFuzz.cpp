// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the installation script reader, for each kind of list.

#include "packs/InstallScript.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = (std::filesystem::temp_directory_path() /
                                   ("flightdeck-fuzz-script-" + std::to_string(getpid())))
                                      .string();
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  for (int type = 0; type < flightdeck::MissionTypeCount; ++type) {
    std::vector<std::string> files;
    const auto items =
        flightdeck::ReadInstallScript(path, static_cast<flightdeck::TMissionType>(type), files);
    if (items.size() > size + 1)
      __builtin_trap(); // every entry takes at least one line
  }
  return 0;
}
