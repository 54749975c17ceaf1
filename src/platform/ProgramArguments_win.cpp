// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramArguments.h"

#include "platform/Windows1252.h"

#include <windows.h>

#include <shellapi.h>

namespace flightdeck {

std::vector<std::string> ProgramArguments(int, char**) {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) {
    const std::wstring_view word = words[i];
    arguments.push_back(Utf16ToUtf8(std::u16string(word.begin(), word.end())));
  }
  LocalFree(words);
  return arguments;
}

} // namespace flightdeck
