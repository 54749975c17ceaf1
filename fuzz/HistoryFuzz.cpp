// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the history as an entry of a game's (what follows a first NUL, as the
// record of the files it left), lists the history and tries to undo the entry: nothing may be
// written or deleted outside the game.

#include "journal/Session.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <unistd.h>

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fs::path root =
      fs::temp_directory_path() / ("flightdeck-fuzz-history-" + std::to_string(getpid()));
  static const fs::path game = root / "game";
  static const fs::path outside = root / "outside.tie";
  static bool prepared = [] {
    fs::create_directories(game / "combat");
    return true;
  }();
  (void)prepared;
  std::ofstream(outside, std::ios::binary | std::ios::trunc) << "keep";
  flightdeck::TSession command(game.string() + "/", "undo", {}, {(root / "data").string()});
  const fs::path entry = fs::path(command.History().Folder()) / "00000001";
  fs::remove_all(command.History().Folder());
  fs::create_directories(entry);
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t split = std::min(bytes.find('\0'), bytes.size());
  std::ofstream(entry / "entry", std::ios::binary) << bytes.substr(0, split);
  std::ofstream(entry / "left", std::ios::binary) << bytes.substr(std::min(split + 1, size));
  (void)command.History().Entries();
  try {
    if (command.Undo(1))
      command.Commit();
  } catch (const std::exception&) {
    // a file that cannot be written is a failure the user is told about, not a crash
  }
  if (!fs::exists(outside))
    __builtin_trap();
  return 0;
}
