// flightdeck-cli: the mission lists of a game directory from the command line.

#include "cli/CheckCommand.h"
#include "cli/HistoryCommands.h"
#include "cli/Invocation.h"
#include "cli/JsonText.h"
#include "cli/PackCommands.h"
#include "cli/TreeCommands.h"
#include "journal/Session.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "platform/PathNames.h"
#include "platform/Windows1252.h"
#include "services/GameFinder.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace flightdeck;

namespace {

// The games found in the user's home and its game libraries, one JSON object each.
int DetectCommand(const TInvocation&) {
  const char* home = std::getenv("HOME");
  const char* prefix = std::getenv("WINEPREFIX");
  for (const TFoundGame& game : FindGames(home ? home : "", prefix ? prefix : ""))
    std::cout << "{\"path\":" << JsonStringUtf8(game.Path)
              << ",\"source\":" << JsonString(game.Source) << "}\n";
  return 0;
}

// What a command works on, named first: nothing, a game (GAMEDIR), one of its lists
// (GAMEDIR CATEGORY SIDE), or its catalogue, whole or in part (GAMEDIR [CATEGORY [SIDE]]).
enum class TScope { None, Game, List, Catalogue };

struct TCommand {
  std::string_view Name;
  TScope Scope;
  std::size_t ArgumentCount;              // the arguments after those
  bool NamesNode;                         // its first argument is a LABEL that --path may replace
  std::vector<std::string_view> Required; // options with a value that must be given
  std::vector<std::string_view> Optional; // options with a value that may be given
  std::string_view Flag;                  // an option without a value, or ""
  std::string_view Usage;                 // what follows the name in the usage text
  int (*Run)(const TInvocation&);
  bool OptionalArgument = false; // its last argument may be left out
};

// The commands that only read: they take no lock and never wait for one that writes, since
// every file is replaced whole. An install's dry run reads too.
bool Writes(const TCommand& command, const TInvocation& invocation) {
  static constexpr std::string_view readers[] = {"dump",      "tree",   "check",     "history",
                                                 "pack-info", "detect", "build-pack"};
  return std::find(std::begin(readers), std::end(readers), command.Name) == std::end(readers) &&
         !invocation.Has("--dry-run");
}

const std::vector<TCommand>& Commands() {
  static const std::vector<TCommand> commands = {
      {"dump", TScope::List, 0, false, {}, {}, {}, "", DumpCommand},
      {"tree", TScope::List, 0, false, {}, {}, {}, "", TreeCommand},
      {"resave", TScope::List, 0, false, {}, {}, {}, "", ResaveCommand},
      {"install-mission",
       TScope::List,
       1,
       false,
       {"--under"},
       {"--title"},
       {},
       "MISSIONFILE --under LABEL [--title TEXT]",
       InstallMissionCommand},
      {"install-pack",
       TScope::List,
       1,
       false,
       {},
       {},
       "--dry-run",
       "PACK.ixo [--dry-run]",
       InstallPackCommand},
      {"build-pack", TScope::List, 2, false, {}, {}, {}, "LABEL OUT.ixo", BuildPackCommand},
      {"rename", TScope::List, 2, true, {}, {"--path"}, {}, "LABEL NEWLABEL", RenameCommand},
      {"remove", TScope::List, 1, true, {}, {"--path"}, {}, "LABEL", RemoveCommand},
      {"move",
       TScope::List,
       1,
       true,
       {"--onto"},
       {"--path"},
       {},
       "LABEL --onto TARGETLABEL",
       MoveCommand},
      {"renumber",
       TScope::List,
       2,
       true,
       {},
       {"--path"},
       "--swap",
       "LABEL NUMBER [--swap]",
       RenumberCommand},
      {"add-group", TScope::List, 1, false, {}, {}, {}, "TITLE", AddGroupCommand},
      {"add-battle",
       TScope::List,
       2,
       false,
       {"--under"},
       {},
       {},
       "BATTLEFILE TITLE --under LABEL",
       AddBattleCommand},
      {"history", TScope::Game, 0, false, {}, {}, {}, "", HistoryCommand},
      {"undo", TScope::Game, 1, false, {}, {}, {}, "[ID]", UndoCommand, true},
      {"redo", TScope::Game, 0, false, {}, {}, {}, "", RedoCommand},
      {"check", TScope::Catalogue, 0, false, {}, {}, {}, "", CheckCommand},
      {"pack-info", TScope::None, 1, false, {}, {}, {}, "PACK.ixo", PackInfoCommand},
      {"detect", TScope::None, 0, false, {}, {}, {}, "", DetectCommand},
  };
  return commands;
}

std::string UsageText() {
  std::string text;
  for (const TCommand& command : Commands()) {
    text += (text.empty() ? "usage: " : "       ") + std::string("flightdeck-cli ") +
            std::string(command.Name) +
            (command.Scope == TScope::List        ? " GAMEDIR CATEGORY SIDE"
             : command.Scope == TScope::Game      ? " GAMEDIR"
             : command.Scope == TScope::Catalogue ? " GAMEDIR [CATEGORY [SIDE]]"
                                                  : "") +
            (command.Usage.empty() ? "" : " ") + std::string(command.Usage) + "\n";
  }
  return text +
         "       flightdeck-cli --help | --version\n"
         "  CATEGORY: battles|combat|melee|tournaments|training  SIDE: neutral|rebel|imperial\n"
         "  LABEL: the first entry of that label; --path A/B/C names one by its labels from the "
         "top";
}

constexpr std::array<std::string_view, MissionTypeCount> CategoryWords = {
    "battles", "combat", "melee", "tournaments", "training"};
constexpr std::array<std::string_view, 3> SideWords = {"neutral", "rebel", "imperial"};

template <std::size_t N>
std::optional<int> IndexOf(const std::array<std::string_view, N>& words, std::string_view word) {
  const auto found = std::find(words.begin(), words.end(), word);
  return found == words.end() ? std::nullopt
                              : std::optional(static_cast<int>(found - words.begin()));
}

bool Contains(const std::vector<std::string_view>& options, std::string_view option) {
  return std::find(options.begin(), options.end(), option) != options.end();
}

// Splits the words after the command's name into its list, arguments and options; nothing
// when they do not fit the command.
std::optional<TInvocation> Parse(const TCommand& command, std::vector<std::string> words) {
  TInvocation invocation;
  if (command.Scope == TScope::Game) {
    if (words.empty())
      return std::nullopt;
    invocation.GameDirectory = words[0];
    words.erase(words.begin());
  }
  if (command.Scope == TScope::List || command.Scope == TScope::Catalogue) {
    if (words.empty())
      return std::nullopt;
    invocation.GameDirectory = words[0];
    const std::optional<int> category =
        words.size() > 1 ? IndexOf(CategoryWords, words[1]) : std::nullopt;
    const std::optional<int> side =
        category && words.size() > 2 ? IndexOf(SideWords, words[2]) : std::nullopt;
    invocation.ListWords = side ? 2 : category ? 1 : 0;
    if (category)
      invocation.Type = CheckedMissionType(*category);
    if (side)
      invocation.Gender = CheckedGender(*side + gnNeutral);
    if (command.Scope == TScope::List && invocation.ListWords != 2)
      return std::nullopt;
    words.erase(words.begin(), words.begin() + 1 + invocation.ListWords);
  }
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (!word.starts_with("--")) {
      invocation.Arguments.push_back(word);
    } else if (!command.Flag.empty() && word == command.Flag && !invocation.Has(word)) {
      invocation.Options[word] = "";
    } else if ((Contains(command.Required, word) || Contains(command.Optional, word)) &&
               i + 1 < words.size() && !invocation.Has(word)) {
      invocation.Options[word] = words[++i];
    } else {
      return std::nullopt;
    }
  }
  const std::size_t expected =
      command.ArgumentCount - (command.NamesNode && invocation.Has("--path") ? 1 : 0);
  const bool shortOne = command.OptionalArgument && invocation.Arguments.size() + 1 == expected;
  if ((invocation.Arguments.size() != expected && !shortOne) ||
      !std::all_of(command.Required.begin(), command.Required.end(),
                   [&](std::string_view option) { return invocation.Has(std::string(option)); }))
    return std::nullopt;
  return invocation;
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

int Run(const TCommand& command, TInvocation invocation) {
  if (command.Scope == TScope::None)
    return command.Run(invocation);
  const std::string typed = invocation.GameDirectory;
  if (typed.empty() || (typed.back() != '\\' && typed.back() != '/'))
    invocation.GameDirectory += '\\';
  if (!IsXvTDirectory(invocation.GameDirectory)) {
    std::cerr << "flightdeck-cli: \"" << typed
              << "\" is not an X-wing vs. TIE Fighter game directory "
                 "(it needs the folders battle, combat, melee, tourn and train)\n";
    // A check's exit code 1 says that it found errors.
    return command.Scope == TScope::Catalogue ? 2 : 1;
  }
  try {
    // One command at a time changes a game directory.
    std::optional<TSession> session;
    if (Writes(command, invocation)) {
      session.emplace(invocation.GameDirectory, std::string(command.Name),
                      Utf8ToWindows1252(SubjectOf(command, invocation)));
      invocation.Session = &*session;
      for (const std::string& report : session->RecoveryReports())
        std::cerr << "flightdeck-cli: " << report << "\n";
    } else if (!TGameHistory(invocation.GameDirectory).Interrupted().empty()) {
      // Only a command that changes the game may roll it back.
      std::cerr << "flightdeck-cli: a command on this game was cut short; the next command that "
                   "changes the game rolls it back\n";
    }
    const THostLookupScope lookup; // its folders each read once
    return command.Run(invocation);
  } catch (const EChangedOnDisk& error) {
    std::cerr << "flightdeck-cli: " << error.what() << "\n";
    return 1;
  } catch (const EInOutError& error) {
    std::cerr << "flightdeck-cli: " << error.what() << "\n";
    return 1;
  } catch (const EDirectoryBusy& error) {
    std::cerr << "flightdeck-cli: " << error.what() << "\n";
    return 1;
  }
}

} // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> words(argv + 1, argv + argc);
  if (words.size() == 1 && (words[0] == "-h" || words[0] == "--help")) {
    std::cout << UsageText() << "\n";
    return 0;
  }
  if (words.size() == 1 && words[0] == "--version") {
    std::cout << "flightdeck-cli " << FLIGHTDECK_VERSION << "\n";
    return 0;
  }
  const auto command =
      std::find_if(Commands().begin(), Commands().end(), [&](const TCommand& candidate) {
        return !words.empty() && candidate.Name == words[0];
      });
  const std::optional<TInvocation> invocation =
      command == Commands().end()
          ? std::nullopt
          : Parse(*command, std::vector<std::string>(words.begin() + 1, words.end()));
  if (!invocation) {
    std::cerr << UsageText() << "\n";
    return 2;
  }
  return Run(*command, *invocation);
}
