// SPDX-License-Identifier: GPL-3.0-or-later
// flightdeck-cli: the mission lists of a game directory from the command line.

#include "cli/CommandTable.h"
#include "cli/Complaints.h"
#include "cli/Completions.h"
#include "journal/HistorySettings.h"
#include "journal/Session.h"
#include "platform/FreedMemory.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "platform/PathNames.h"
#include "platform/ProgramArguments.h"
#include "platform/ProgramPlaces.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace flightdeck;

namespace {

// Where the games' histories are kept and how large each may grow, as the window's settings
// file says: the window's beside this program (both are in one folder), or in the user's
// settings folder for an installed copy.
THistoryPlace HistoryPlace() {
  const std::string program = HostProgramPath();
  const std::string folder = program.substr(0, program.rfind('/') + 1);
  return HistoryPlaceOf(TProfileFile(SettingsFilePath(folder, "flightdeck.ini")));
}

// The commands that only read: they take no lock and never wait for one that writes, since
// every file is replaced whole. An install's dry run reads too.
bool Writes(const TCommand& command, const TInvocation& invocation) {
  static constexpr std::string_view readers[] = {"dump",  "tree",      "check",  "history",
                                                 "packs", "pack-info", "detect", "build-pack"};
  return std::find(std::begin(readers), std::end(readers), command.Name) == std::end(readers) &&
         !invocation.Has("--dry-run");
}

// What the history says a command worked on: the file a command installs, else the entry or
// title it is about.
std::string SubjectOf(const TCommand& command, const TInvocation& invocation) {
  if (invocation.Has("--path"))
    return invocation.Options.at("--path");
  if (invocation.Arguments.empty())
    return {};
  const std::string& first = invocation.Arguments.front();
  return command.Name.starts_with("install-") ? ExtractFileName(first) : first;
}

int RunInGame(const TCommand& command, TInvocation invocation) {
  const std::string typed = invocation.GameDirectory;
  if (typed.empty() || (typed.back() != '\\' && typed.back() != '/'))
    invocation.GameDirectory += '\\';
  if (!IsXvTDirectory(invocation.GameDirectory)) {
    // A check's exit code 1 says that it found errors.
    return Fail("\"" + typed +
                    "\" is not an X-wing vs. TIE Fighter game directory "
                    "(it needs the folders battle, combat, melee, tourn and train)",
                command.Scope == TScope::Catalogue ? 2 : 1);
  }
  // One command at a time changes a game directory.
  std::optional<TSession> session;
  if (Writes(command, invocation)) {
    session.emplace(invocation.GameDirectory, std::string(command.Name),
                    Utf8ToWindows1252(SubjectOf(command, invocation)), HistoryPlace());
    invocation.Session = &*session;
    for (const TMessage& report : session->RecoveryReports())
      Tell(report.Text());
  } else if (!TGameHistory(invocation.GameDirectory).Interrupted().empty()) {
    // Only a command that changes the game may roll it back.
    Tell("a command on this game was cut short; the next command that changes the game rolls "
         "it back");
  }
  const THostLookupScope lookup; // its folders each read once
  return command.Run(invocation);
}

// Every failure of a command is a message and exit code 1, never an abort.
int Run(const TCommand& command, TInvocation invocation) {
  try {
    return command.Scope == TScope::None ? command.Run(invocation)
                                         : RunInGame(command, std::move(invocation));
  } catch (const std::filesystem::filesystem_error& error) {
    return Fail(error.path1().string() + ": " +
                EInOutError::ReasonFor(error.code().value()).Text());
  } catch (const std::bad_alloc&) {
    return Fail("there is not enough memory for this command");
  } catch (const std::exception& error) { // EInOutError, EChangedOnDisk, EDirectoryBusy, ...
    return Fail(error.what());
  }
}

// Whatever a command wrote to standard output reached it: a full disk fails the command. (A
// pipe closed early ends the program by its signal, quietly.)
int Flushed(int exitCode) {
  std::cout.flush();
  if (std::cout)
    return exitCode;
  const int reason = errno;
  return Fail("the output could not be written: " + std::string(std::strerror(reason)));
}

// The exit code of a mistaken command line: it is named, with a pointer to the help.
int Misused(const std::string& message) {
  Fail(message);
  std::cerr << "Try 'flightdeck-cli --help' for more information.\n";
  return 2;
}

bool AsksForHelp(const std::vector<std::string>& words) {
  for (const std::string& word : words) {
    if (word == "--")
      return false;
    if (word == "--help" || word == "-h")
      return true;
  }
  return false;
}

int RunWords(const std::vector<std::string>& words) {
  if (words.empty())
    return Misused("no command given");
  if (words.size() == 1 && (words[0] == "-h" || words[0] == "--help")) {
    std::cout << UsageText() << "\n";
    return 0;
  }
  if (words.size() == 1 && words[0] == "--version") {
    std::cout << "flightdeck-cli " << FLIGHTDECK_VERSION << "\n";
    return 0;
  }
  if (words[0] == "--completion") {
    const std::optional<std::string> script =
        words.size() == 2 ? CompletionScript(words[1]) : std::nullopt;
    if (!script)
      return Misused("--completion takes one of bash, zsh and fish");
    std::cout << *script;
    return 0;
  }
  if (words[0].starts_with("-"))
    return Misused("unknown option '" + words[0] + "'");
  std::string unknown;
  const TCommand* command = FindCommand(words[0], unknown);
  if (!command)
    return Misused(unknown);
  const std::vector<std::string> rest(words.begin() + 1, words.end());
  if (AsksForHelp(rest)) {
    std::cout << "usage: " << CommandUsage(*command) << "\n";
    return 0;
  }
  TParsedWords parsed = ParseWords(*command, rest);
  if (!parsed.Invocation)
    return Misused(parsed.Error);
  return Run(*command, std::move(*parsed.Invocation));
}

} // namespace

int main(int argc, char** argv) {
  MapLargeBlocksApart();
  return Flushed(RunWords(ProgramArguments(argc, argv)));
}
