// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the settings reader and writes a key into them.

#include "platform/ProfileFile.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path =
      (std::filesystem::temp_directory_path() / ("flightdeck-fuzz-ini-" + std::to_string(getpid())))
          .string();
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  const flightdeck::TProfileFile profile(path);
  for (const char* key : {"Top", "Left", "Height", "MType", "Gender"})
    profile.ReadInteger("IxoKit", key, 0);
  if (profile.ReadString("IxoKit", "MPath", "").size() > 1023)
    __builtin_trap();
  profile.WriteString("IxoKit", "Height", "410");
  if (profile.ReadInteger("IxoKit", "Height", 0) != 410)
    __builtin_trap(); // a key just written reads back
  return 0;
}
