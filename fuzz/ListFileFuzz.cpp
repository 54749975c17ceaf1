// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the list file and battle file readers and to the check of a game's
// catalogue, then writes what the readers read; writing the list straight from the bytes read,
// a few at a time, must give the very bytes that writing records of their own gives.
// Input: one byte choosing the mission type, the list file, a NUL byte, the battle file
// "b.lst" (which the list may name).

#include "lists/XvTListFile.h"
#include "platform/InOutError.h"
#include "services/CatalogueCheck.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace flightdeck;

namespace {

const fs::path& GameRoot() {
  static const fs::path root =
      fs::temp_directory_path() / ("flightdeck-fuzz-" + std::to_string(getpid()));
  return root;
}

void Write(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Read(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The list file as a save leaves it, or "failed" when the save reports a file error.
template <typename TSave>
std::string Saved(const fs::path& path, TSave save) {
  try {
    save();
  } catch (const EInOutError&) {
    return "failed"; // a name read from the file may collide with a folder
  }
  return Read(path);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0)
    return 0;
  const auto type = static_cast<TMissionType>(data[0] % MissionTypeCount);
  const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t split = input.find('\0');
  const std::string_view listBytes = input.substr(0, split);
  const std::string_view battleBytes =
      split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

  fs::remove_all(GameRoot());
  for (std::string_view folder : MissionTypeDirs)
    fs::create_directories(GameRoot() / std::string(folder.substr(0, folder.size() - 1)));
  const std::string game = GameRoot().string() + "/";
  TXvTListFile list(game, type, gnNeutral);
  const std::string_view folderName = MissionTypeDir(type);
  const fs::path folder = GameRoot() / std::string(folderName.substr(0, folderName.size() - 1));
  Write(folder / "mission.lst", listBytes);
  Write(folder / "b.lst", battleBytes);

  CheckCatalogue(game);
  list.LoadFromFile();
  TListFileItem parent;
  parent.Kind = EntryKind(type);
  list.LoadBattleFile(ListFileDirectory(list.FileName()) + "b.lst", parent);
  try {
    TFileTransaction transaction;
    list.Save(transaction);
    transaction.Commit();
  } catch (const EInOutError&) {
    // A name read from the file may collide with a folder; the save reports that.
  }
  TXvTListFile again(game, type, gnNeutral);
  again.LoadFromFile();

  Write(folder / "mission.lst", listBytes);
  const std::string whole = Saved(folder / "mission.lst", [&] {
    again.LoadFromFile();
    TFileTransaction transaction;
    again.SaveToFile(again.ItemRefs(), transaction);
    transaction.Commit();
  });
  // In pieces cut anywhere, and in pieces long enough to hold whole runs of entries.
  for (const std::size_t pieceSize : {std::size_t{7}, std::size_t{1} << 16}) {
    Write(folder / "mission.lst", listBytes);
    const std::string streamed = Saved(folder / "mission.lst", [&] {
      TFileTransaction transaction;
      again.Resave(transaction, pieceSize);
      transaction.Commit();
    });
    if (streamed != whole)
      __builtin_trap();
  }
  return 0;
}
