// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandTable.h"

#include "cli/CheckCommand.h"
#include "cli/DetectCommand.h"
#include "cli/HistoryCommands.h"
#include "cli/InstalledPackCommands.h"
#include "cli/MissionCommands.h"
#include "cli/PackCommands.h"
#include "cli/TreeCommands.h"
#include "journal/CommandNames.h"

#include <algorithm>

namespace flightdeck {

const std::vector<TCommand>& Commands() {
  static const std::vector<TCommand> commands = {
      {"dump", TScope::List, 0, false, {}, {}, {}, "", DumpCommand},
      {"tree", TScope::List, 0, false, {}, {}, {}, "", TreeCommand},
      {CommandNames::Resave, TScope::List, 0, false, {}, {}, {}, "", ResaveCommand},
      {CommandNames::InstallMission,
       TScope::List,
       1,
       false,
       {},
       {"--under", "--path", "--title"},
       {"--force"},
       "MISSIONFILE {--under LABEL | --path PATH} [--title TEXT] [--force]",
       InstallMissionCommand,
       false,
       {"--under", "--path"}},
      {CommandNames::InstallPack,
       TScope::List,
       1,
       false,
       {},
       {},
       {"--dry-run", "--force", "--replace", "--again"},
       "PACK.ixo [--dry-run] [--force] [--replace | --again]",
       InstallPackCommand},
      {"packs", TScope::Game, 0, false, {}, {}, {}, "", PacksCommand},
      {CommandNames::RemovePack,
       TScope::Game,
       1,
       false,
       {},
       {},
       {"--dry-run"},
       "ID [--dry-run]",
       RemovePackCommand},
      {"build-pack",
       TScope::List,
       2,
       true,
       {},
       {"--path"},
       {"--force"},
       "LABEL OUT.ixo [--force]",
       BuildPackCommand},
      {CommandNames::Rename,
       TScope::List,
       2,
       true,
       {},
       {"--path"},
       {},
       "LABEL NEWLABEL",
       RenameCommand},
      {CommandNames::Remove, TScope::List, 1, true, {}, {"--path"}, {}, "LABEL", RemoveCommand},
      {CommandNames::Move,
       TScope::List,
       1,
       true,
       {"--onto"},
       {"--path"},
       {},
       "LABEL --onto TARGETLABEL",
       MoveCommand},
      {CommandNames::Renumber,
       TScope::List,
       2,
       true,
       {},
       {"--path"},
       {"--swap"},
       "LABEL NUMBER [--swap]",
       RenumberCommand},
      {CommandNames::AddGroup, TScope::List, 1, false, {}, {}, {}, "TITLE", AddGroupCommand},
      {CommandNames::AddBattle,
       TScope::List,
       2,
       false,
       {},
       {"--under", "--path"},
       {},
       "BATTLEFILE TITLE {--under LABEL | --path PATH}",
       AddBattleCommand,
       false,
       {"--under", "--path"}},
      {"history", TScope::Game, 0, false, {}, {}, {}, "", HistoryCommand},
      {CommandNames::Undo, TScope::Game, 1, false, {}, {}, {}, "[ID]", UndoCommand, true},
      {CommandNames::Redo, TScope::Game, 0, false, {}, {}, {}, "", RedoCommand},
      {"check", TScope::Catalogue, 0, false, {}, {}, {}, "", CheckCommand},
      {"pack-info", TScope::None, 1, false, {}, {}, {}, "PACK.ixo|-", PackInfoCommand},
      {"mission-info",
       TScope::None,
       1,
       false,
       {},
       {},
       {},
       "MISSIONFILE...",
       MissionInfoCommand,
       false,
       {},
       true},
      {"detect", TScope::None, 0, false, {}, {}, {}, "", DetectCommand},
  };
  return commands;
}

const std::vector<std::string_view>& CategoryWords() {
  static const std::vector<std::string_view> words = {"battles", "combat", "melee", "tournaments",
                                                      "training"};
  return words;
}

const std::vector<std::string_view>& SideWords() {
  static const std::vector<std::string_view> words = {"neutral", "rebel", "imperial"};
  return words;
}

std::string CommandUsage(const TCommand& command) {
  return "flightdeck-cli " + std::string(command.Name) +
         (command.Scope == TScope::List        ? " GAMEDIR CATEGORY SIDE"
          : command.Scope == TScope::Game      ? " GAMEDIR"
          : command.Scope == TScope::Catalogue ? " GAMEDIR [CATEGORY [SIDE]]"
                                               : "") +
         (command.Usage.empty() ? "" : " ") + std::string(command.Usage);
}

std::string UsageText() {
  std::string text;
  for (const TCommand& command : Commands())
    text += (text.empty() ? "usage: " : "       ") + CommandUsage(command) + "\n";
  return text +
         "       flightdeck-cli COMMAND --help\n"
         "       flightdeck-cli --help | --version | --completion bash|zsh|fish\n"
         "  CATEGORY: battles|combat|melee|tournaments|training  SIDE: neutral|rebel|imperial\n"
         "  LABEL: the first entry of that label; --path A/B/C names one by its labels from the "
         "top\n"
         "  --OPTION VALUE or --OPTION=VALUE; --: every word after it is an argument, even one "
         "that begins with \"-\"\n"
         "Mission catalogue editor and pack installer for X-wing vs. TIE Fighter; flightdeck is "
         "its window.";
}

namespace {

// How many single-character edits turn `a` into `b`.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j)
    row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1] ? 1 : 0)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

template <typename TWords>
std::optional<int> IndexOf(const TWords& words, std::string_view word) {
  const auto found = std::find(words.begin(), words.end(), word);
  return found == words.end() ? std::nullopt
                              : std::optional(static_cast<int>(found - words.begin()));
}

TParsedWords Refused(std::string message) {
  return {std::nullopt, std::move(message)};
}

// "unknown category 'combt'; did you mean 'combat'?": the nearest of `known` is suggested,
// within two edits, further than which a word is no longer a slip of the keyboard.
template <typename TWords>
std::string Unknown(std::string_view what, std::string_view word, const TWords& known) {
  std::string_view closest;
  std::size_t distance = 3;
  for (const std::string_view candidate : known)
    if (const std::size_t edits = EditDistance(word, candidate); edits < distance) {
      distance = edits;
      closest = candidate;
    }
  return "unknown " + std::string(what) + " '" + std::string(word) + "'" +
         (closest.empty() ? "" : "; did you mean '" + std::string(closest) + "'?");
}

// The options of `words` go into `invocation`, the other words into `positional`. Why they
// cannot, if they cannot.
std::optional<std::string> SortWords(const TCommand& command, const std::vector<std::string>& words,
                                     TInvocation& invocation,
                                     std::vector<std::string>& positional) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < words.size(); ++i) {
    // "--option=value" is "--option value"; "-" alone is standard input, "-1" a number.
    const std::size_t equals = words[i].starts_with("--") ? words[i].find('=') : std::string::npos;
    const bool valueGiven = equals != std::string::npos;
    std::string word = words[i].substr(0, equals);
    const bool dashed = word.size() > 1 && word[0] == '-' &&
                        word.find_first_not_of("0123456789", 1) != std::string::npos;
    if (optionsEnded || !dashed)
      positional.push_back(std::move(word));
    else if (word == "--")
      optionsEnded = true;
    else if (invocation.Has(word))
      return "the option '" + word + "' is given twice";
    else if (IndexOf(command.Flags, word) && valueGiven)
      return "the option '" + word + "' takes no value";
    else if (IndexOf(command.Flags, word))
      invocation.Options[word] = "";
    else if (!IndexOf(command.Required, word) && !IndexOf(command.Optional, word))
      return "unknown option '" + word + "' for '" + std::string(command.Name) + "'";
    else if (!valueGiven && i + 1 == words.size())
      return "the option '" + word + "' needs a value";
    else
      invocation.Options[word] = valueGiven ? words[i].substr(equals + 1) : words[++i];
  }
  return std::nullopt;
}

// The category and side a list's command names after the game folder, into `invocation`. Why
// they are not, if they are not: the command's usage when nothing better can be said.
std::optional<std::string> TakeListWords(const TCommand& command,
                                         const std::vector<std::string>& positional,
                                         TInvocation& invocation) {
  const std::optional<int> category =
      positional.size() > 1 ? IndexOf(CategoryWords(), positional[1]) : std::nullopt;
  const std::optional<int> side =
      category && positional.size() > 2 ? IndexOf(SideWords(), positional[2]) : std::nullopt;
  invocation.ListWords = side ? 2 : category ? 1 : 0;
  if (category)
    invocation.Type = CheckedMissionType(*category);
  if (side)
    invocation.Side = CheckedSide(*side + gnNeutral);
  if (command.Scope != TScope::List || invocation.ListWords == 2)
    return std::nullopt;
  if (positional.size() > 1 && !category)
    return Unknown("category", positional[1], CategoryWords());
  if (positional.size() > 2 && !side)
    return Unknown("side", positional[2], SideWords());
  return "usage: " + CommandUsage(command);
}

// Whether the arguments and options the command needs are all there.
bool Complete(const TCommand& command, const TInvocation& invocation) {
  const std::size_t expected =
      command.ArgumentCount - (command.NamesNode && invocation.Has("--path") ? 1 : 0);
  const bool shortOne = command.OptionalArgument && invocation.Arguments.size() + 1 == expected;
  const auto given = [&](std::string_view option) { return invocation.Has(std::string(option)); };
  const bool more = command.Repeated && invocation.Arguments.size() > expected;
  return (invocation.Arguments.size() == expected || shortOne || more) &&
         std::all_of(command.Required.begin(), command.Required.end(), given) &&
         (command.OneOf.empty() ||
          std::count_if(command.OneOf.begin(), command.OneOf.end(), given) == 1);
}

} // namespace

const TCommand* FindCommand(std::string_view word, std::string& message) {
  std::vector<std::string_view> names;
  for (const TCommand& command : Commands()) {
    if (command.Name == word)
      return &command;
    names.push_back(command.Name);
  }
  message = Unknown("command", word, names);
  return nullptr;
}

TParsedWords ParseWords(const TCommand& command, const std::vector<std::string>& words) {
  TInvocation invocation;
  std::vector<std::string> positional;
  if (std::optional<std::string> refusal = SortWords(command, words, invocation, positional))
    return Refused(std::move(*refusal));
  std::size_t first = 0;
  if (command.Scope != TScope::None) {
    if (positional.empty())
      return Refused("usage: " + CommandUsage(command));
    invocation.GameDirectory = positional[0];
    first = 1;
  }
  if (command.Scope == TScope::List || command.Scope == TScope::Catalogue) {
    if (std::optional<std::string> refusal = TakeListWords(command, positional, invocation))
      return Refused(std::move(*refusal));
    first += static_cast<std::size_t>(invocation.ListWords);
  }
  invocation.Arguments.assign(positional.begin() + static_cast<std::ptrdiff_t>(first),
                              positional.end());
  if (!Complete(command, invocation))
    return Refused("usage: " + CommandUsage(command));
  return {std::move(invocation), {}};
}

} // namespace flightdeck
