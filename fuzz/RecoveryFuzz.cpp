// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to recovery as a command cut short: the first line names the entry's
// folder, the rest up to a line "--" is its record, and what follows its one kept copy. The next
// command must go on whatever the entry holds, and the game must never get a byte from outside.

#include "journal/Session.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Read(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fs::path root =
      fs::temp_directory_path() / ("flightdeck-fuzz-recovery-" + std::to_string(getpid()));
  static const fs::path game = root / "game";
  static const fs::path outside = root / "outside.tie";
  // Bytes no input can hold: the outside file's, drawn afresh for each run.
  static const std::string marker = "outside " + std::to_string(std::random_device()());
  static const bool prepared = [] {
    fs::create_directories(game / "combat");
    Write(outside, marker);
    return true;
  }();
  (void)prepared;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t nameEnd = std::min(input.find('\n'), input.size());
  const std::size_t recordEnd = std::min(input.find("\n--\n", nameEnd), input.size());
  const std::string name(input.substr(0, std::min<std::size_t>(nameEnd, 64)));
  if (name.empty() || name.find('/') != std::string::npos || name == "." || name == ".." ||
      name.find('\0') != std::string::npos)
    return 0;
  Write(game / "combat" / "a.tie", "game bytes");
  const flightdeck::THistoryPlace history{(root / "data").string()};
  const std::string folder = flightdeck::TGameHistory(game.string() + "/", history).Folder();
  fs::remove_all(folder);
  fs::create_directories(fs::path(folder) / name);
  Write(fs::path(folder) / name / "pending", "");
  Write(
      fs::path(folder) / name / "entry",
      input.substr(std::min(nameEnd + 1, recordEnd), recordEnd - std::min(nameEnd + 1, recordEnd)));
  Write(fs::path(folder) / name / "before-0", input.substr(std::min(recordEnd + 4, input.size())));
  try {
    flightdeck::TSession next(game.string() + "/", "rename", "next", history);
    next.Files().Stage(game.string() + "/combat/z.tie", "z");
    next.Commit();
  } catch (const std::exception&) {
    __builtin_trap(); // recovery must never stop the next command
  }
  for (const auto& entry : fs::recursive_directory_iterator(game))
    if (entry.is_regular_file() && Read(entry.path()).find(marker) != std::string::npos)
      __builtin_trap();
  if (Read(outside) != marker)
    __builtin_trap();
  return 0;
}
