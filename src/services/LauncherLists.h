// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace flightdeck {

// The folders game launchers name in their own files. Each reader takes any text (the caller
// reads at most MaxLibraryFileSize of a file) and gives at most MaxLibraryFolders folders.

// The values of every `"key"` that a quoted value follows on its line, as in Steam's
// `"path"		"/home/pilot/SteamLibrary"` and in JSON's `"install_path": "/home/..."`,
// with their backslash escapes undone, in file order.
std::vector<std::string> QuotedValuesOf(std::string_view text, std::string_view key);

// The library folders of a Steam libraryfolders.vdf ("path" entries).
std::vector<std::string> SteamLibraryFolders(std::string_view vdfText);

// Where Heroic installs games and has installed them: "defaultInstallPath" of its config.json
// and "install_path" of its gog_store/installed.json, whichever the text holds.
std::vector<std::string> HeroicGameFolders(std::string_view jsonText);

// A Lutris game file (YAML): its Wine prefix and the folder of its program, each absolute or
// empty.
struct TLutrisGame {
  std::string Prefix;
  std::string ProgramFolder;
};
TLutrisGame LutrisGameOf(std::string_view yamlText);

} // namespace flightdeck
