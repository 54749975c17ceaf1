// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Invocation.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flightdeck {

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
  std::vector<std::string_view> Flags;    // options without a value
  std::string_view Usage;                 // what follows the name in the usage text
  int (*Run)(const TInvocation&);
  bool OptionalArgument = false; // its last argument may be left out
  // Options of which exactly one must be given (among Optional): "--under" or "--path".
  std::vector<std::string_view> OneOf = {};
  bool Repeated = false; // its last argument may be given more than once
};

// Every command, in the order the usage text gives them.
const std::vector<TCommand>& Commands();

// The words CATEGORY and SIDE stand for.
const std::vector<std::string_view>& CategoryWords();
const std::vector<std::string_view>& SideWords();

// "flightdeck-cli dump GAMEDIR CATEGORY SIDE": one command's line of the usage text.
std::string CommandUsage(const TCommand& command);
// The whole usage text, without a last line end.
std::string UsageText();

// The command named `word`; else the message that says so, with the closest name if one is
// close: "unknown command 'dmp'; did you mean 'dump'?".
const TCommand* FindCommand(std::string_view word, std::string& message);

// The words after a command's name as its list, arguments and options; else why they do not
// fit it. A "--" ends the options: every word after it is an argument, "-" first or not.
struct TParsedWords {
  std::optional<TInvocation> Invocation;
  std::string Error;
};
TParsedWords ParseWords(const TCommand& command, const std::vector<std::string>& words);

} // namespace flightdeck
