// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/Command.h"

#include "platform/Windows1252.h"

#include <cstring>
#include <optional>
#include <vector>
#include <windows.h>

namespace flightdeck::test {

namespace {

// The words of `command` as the shell splits them, or nothing where it asks for more than
// words (pipes, redirections, variables, patterns). A backslash is a Windows path's separator.
std::optional<std::vector<std::string>> ShellWords(const std::string& command) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  for (std::size_t i = 0; i < command.size(); ++i) {
    const char c = command[i];
    if (c == '\'') {
      const std::size_t end = command.find('\'', i + 1);
      if (end == std::string::npos)
        return std::nullopt;
      word.append(command, i + 1, end - i - 1);
      i = end;
    } else if (c == ' ' || c == '\t' || c == '\n') {
      if (inWord)
        words.push_back(std::move(word));
      word.clear();
      inWord = false;
      continue;
    } else if (std::strchr("\"|&;<>(){}$`*?", c)) {
      return std::nullopt;
    } else {
      word += c;
    }
    inWord = true;
  }
  if (inWord)
    words.push_back(std::move(word));
  return words;
}

// One argument of a Windows command line, quoted so that the program's start-up reads it back
// as it is.
std::wstring WindowsArgument(const std::wstring& word) {
  if (!word.empty() && word.find_first_of(L" \t\n\"") == std::wstring::npos)
    return word;
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : word) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  return quoted.append(2 * backslashes, L'\\') + L"\"";
}

} // namespace

TCommandResult RunCommand(const std::string& command) {
  TCommandResult result;
  const std::optional<std::vector<std::string>> words = ShellWords(command);
  if (!words || words->empty()) {
    result.Output = "needs a POSIX shell: " + command;
    return result;
  }
  std::wstring line;
  for (const std::string& word : *words) {
    const std::u16string wide = LenientUtf8ToUtf16(word);
    line += (line.empty() ? L"" : L" ") + WindowsArgument(std::wstring(wide.begin(), wide.end()));
  }

  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE reading = nullptr;
  HANDLE writing = nullptr;
  if (!CreatePipe(&reading, &writing, &inherited, 0))
    return result;
  SetHandleInformation(reading, HANDLE_FLAG_INHERIT, 0);
  HANDLE nothing = CreateFileW(L"NUL", GENERIC_READ, 0, &inherited, OPEN_EXISTING, 0, nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nothing;
  startup.hStdOutput = writing;
  startup.hStdError = writing;
  PROCESS_INFORMATION process{};
  const bool started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &startup, &process);
  CloseHandle(writing);
  CloseHandle(nothing);
  if (!started) {
    CloseHandle(reading);
    result.Output = "cannot start: " + command;
    return result;
  }
  char buffer[4096];
  DWORD count = 0;
  while (ReadFile(reading, buffer, sizeof buffer, &count, nullptr) && count > 0)
    result.Output.append(buffer, count);
  CloseHandle(reading);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  result.ExitCode = static_cast<int>(code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  // A Windows program ends its text lines in CR LF; the tests compare lines.
  for (std::size_t at = result.Output.find("\r\n"); at != std::string::npos;
       at = result.Output.find("\r\n", at))
    result.Output.erase(at, 1);
  return result;
}

} // namespace flightdeck::test
