// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HostPlaces.h"

#include "platform/HostFiles.h"
#include "platform/WidePaths_win.h"

#include <windows.h>

#include <optional>

namespace flightdeck {

namespace {

// A text value of the registry, as a host path.
std::optional<std::string> RegistryText(HKEY root, const wchar_t* key, const wchar_t* name) {
  wchar_t value[MAX_PATH + 1];
  DWORD size = sizeof value;
  if (RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return NarrowHostPath(value);
}

// The "path" of every game GOG's installer registered.
std::vector<std::string> GogRegistered() {
  std::vector<std::string> paths;
  const wchar_t* const games = L"SOFTWARE\\WOW6432Node\\GOG.com\\Games";
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, games, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return paths;
  wchar_t name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = 256;
    if (RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    const std::wstring game = std::wstring(games) + L"\\" + name;
    if (const std::optional<std::string> path =
            RegistryText(HKEY_LOCAL_MACHINE, game.c_str(), L"path"))
      paths.push_back(*path);
  }
  RegCloseKey(key);
  return paths;
}

void AddExisting(std::vector<std::string>& folders, const std::optional<std::string>& folder) {
  if (folder && !folder->empty()) {
    const std::optional<THostFileState> state = HostFileState(THostPath(*folder));
    if (state && state->Directory)
      folders.push_back(*folder);
  }
}

} // namespace

THostGameFolders HostGameFolders() {
  THostGameFolders folders;
  AddExisting(folders.SteamRoots,
              RegistryText(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", L"SteamPath"));
  AddExisting(
      folders.SteamRoots,
      RegistryText(HKEY_LOCAL_MACHINE, L"SOFTWARE\\WOW6432Node\\Valve\\Steam", L"InstallPath"));
  AddExisting(folders.SteamRoots, "C:/Program Files (x86)/Steam");
  for (const std::string& path : GogRegistered())
    AddExisting(folders.GogGames, path);
  AddExisting(folders.GogGames, "C:/GOG Games");
  AddExisting(folders.GogGames, "C:/Program Files (x86)/GOG Galaxy/Games");
  return folders;
}

} // namespace flightdeck
