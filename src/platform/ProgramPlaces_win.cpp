// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramPlaces.h"

#include "platform/AsciiCase.h"
#include "platform/WidePaths_win.h"

#include <windows.h>

#include <io.h>

namespace flightdeck {

namespace {

// The folder the environment variable `name` names; empty when none.
std::string EnvironmentFolder(const wchar_t* name) {
  wchar_t folder[MAX_PATH + 1];
  const DWORD length = GetEnvironmentVariableW(name, folder, MAX_PATH + 1);
  if (length == 0 || length > MAX_PATH)
    return {};
  std::string path = NarrowHostPath(std::wstring_view(folder, length));
  while (path.size() > 1 && path.back() == '/')
    path.pop_back();
  return path;
}

} // namespace

std::string HostProgramPath() {
  wchar_t path[32768];
  const DWORD length = GetModuleFileNameW(nullptr, path, 32768);
  return length == 0 || length >= 32768 ? std::string()
                                        : NarrowHostPath(std::wstring_view(path, length));
}

std::string HostConfigFolder() {
  const std::string roaming = EnvironmentFolder(L"APPDATA");
  return roaming.empty() ? "flightdeck" : roaming + "/flightdeck";
}

bool IsSystemProgramFolder(const std::string& folder) {
  const std::string key = LowerCaseAscii(folder);
  for (const wchar_t* variable : {L"ProgramFiles", L"ProgramW6432", L"ProgramFiles(x86)"}) {
    const std::string root = LowerCaseAscii(EnvironmentFolder(variable));
    if (!root.empty() && (key == root || key.starts_with(root + "/")))
      return true;
  }
  return false;
}

bool IsHostFolderWritable(const std::string& folder) {
  return _waccess(WideHostPath(THostPath(folder)).c_str(), 2) == 0;
}

} // namespace flightdeck
