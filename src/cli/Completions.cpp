// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Completions.h"

#include "cli/CommandTable.h"

namespace flightdeck {

namespace {

std::string Joined(const std::vector<std::string_view>& words, std::string_view separator) {
  std::string text;
  for (const std::string_view word : words)
    text += (text.empty() ? "" : std::string(separator)) + std::string(word);
  return text;
}

std::vector<std::string_view> CommandNames() {
  std::vector<std::string_view> names;
  for (const TCommand& command : Commands())
    names.push_back(command.Name);
  return names;
}

// The commands that take CATEGORY and SIDE after GAMEDIR.
std::vector<std::string_view> ListCommandNames() {
  std::vector<std::string_view> names;
  for (const TCommand& command : Commands())
    if (command.Scope == TScope::List || command.Scope == TScope::Catalogue)
      names.push_back(command.Name);
  return names;
}

std::vector<std::string_view> OptionsOf(const TCommand& command) {
  std::vector<std::string_view> options = command.Required;
  options.insert(options.end(), command.Optional.begin(), command.Optional.end());
  options.insert(options.end(), command.Flags.begin(), command.Flags.end());
  options.push_back("--help");
  return options;
}

// One case line per command that sets a shell variable to its options:
// `open` NAME `assign` OPTIONS `close`.
std::string OptionCases(std::string_view open, std::string_view assign, std::string_view close) {
  std::string cases;
  for (const TCommand& command : Commands())
    cases += std::string(open) + std::string(command.Name) + std::string(assign) +
             Joined(OptionsOf(command), " ") + std::string(close);
  return cases;
}

std::string BashScript() {
  const std::string options = OptionCases("    ", ") options=\"", "\" ;;\n");
  return "# bash completion for flightdeck-cli\n"
         "_flightdeck_cli() {\n"
         "  local cur=${COMP_WORDS[COMP_CWORD]} options=\"\"\n"
         "  if [ \"$COMP_CWORD\" -eq 1 ]; then\n"
         "    COMPREPLY=($(compgen -W \"" +
         Joined(CommandNames(), " ") +
         " --help --version --completion\" -- \"$cur\"))\n"
         "    return\n"
         "  fi\n"
         "  case \"${COMP_WORDS[1]}\" in\n"
         "  " +
         Joined(ListCommandNames(), "|") +
         ")\n"
         "    case \"$COMP_CWORD\" in\n"
         "    3) COMPREPLY=($(compgen -W \"" +
         Joined(CategoryWords(), " ") +
         "\" -- \"$cur\")); return ;;\n"
         "    4) COMPREPLY=($(compgen -W \"" +
         Joined(SideWords(), " ") +
         "\" -- \"$cur\")); return ;;\n"
         "    esac ;;\n"
         "  esac\n"
         "  case \"${COMP_WORDS[1]}\" in\n" +
         options +
         "  esac\n"
         "  case \"$cur\" in\n"
         "  --*) COMPREPLY=($(compgen -W \"$options\" -- \"$cur\")) ;;\n"
         "  *) _flightdeck_cli_files ;;\n"
         "  esac\n"
         "}\n"
         // Paths of any name: bash-completion's own file completion where it is loaded; else
         // the word as typed, its quotes and backslashes taken away, a name a line.
         "_flightdeck_cli_files() {\n"
         "  if declare -F _filedir >/dev/null; then _filedir; return; fi\n"
         "  local IFS=$'\\n' word=\"\" quote=\"\" c i\n"
         "  for ((i = 0; i < ${#cur}; i++)); do\n"
         "    c=${cur:i:1}\n"
         "    if [[ $c == \"\\\\\" && $quote != \"'\" ]]; then i=$((i + 1)); word+=${cur:i:1}\n"
         "    elif [[ -z $quote && ( $c == \"'\" || $c == '\"' ) ]]; then quote=$c\n"
         "    elif [[ -n $quote && $c == \"$quote\" ]]; then quote=\"\"\n"
         "    else word+=$c; fi\n"
         "  done\n"
         "  COMPREPLY=($(compgen -f -- \"$word\"))\n"
         "}\n"
         "complete -o filenames -F _flightdeck_cli flightdeck-cli\n";
}

std::string ZshScript() {
  std::string options;
  for (const TCommand& command : Commands())
    options += "  (" + std::string(command.Name) + ") command_options=(" +
               Joined(OptionsOf(command), " ") + ") ;;\n";
  return "#compdef flightdeck-cli\n"
         "# zsh completion for flightdeck-cli\n"
         "local -a command_options\n"
         "if (( CURRENT == 2 )); then\n"
         "  compadd -- " +
         Joined(CommandNames(), " ") +
         " --help --version --completion\n"
         "  return\n"
         "fi\n"
         "case $words[2] in\n"
         "  (" +
         Joined(ListCommandNames(), "|") +
         ")\n"
         "    if (( CURRENT == 4 )); then compadd -- " +
         Joined(CategoryWords(), " ") +
         "; return; fi\n"
         "    if (( CURRENT == 5 )); then compadd -- " +
         Joined(SideWords(), " ") +
         "; return; fi ;;\n"
         "esac\n"
         "case $words[2] in\n" +
         options +
         "esac\n"
         "if [[ $PREFIX == --* ]]; then\n"
         "  compadd -- $command_options\n"
         "else\n"
         "  _files\n"
         "fi\n";
}

std::string FishScript() {
  const std::string lists = Joined(ListCommandNames(), " ");
  std::string text =
      "# fish completion for flightdeck-cli\n"
      "complete -c flightdeck-cli -f\n"
      "complete -c flightdeck-cli -n __fish_use_subcommand -a '" +
      Joined(CommandNames(), " ") +
      "'\n"
      "complete -c flightdeck-cli -n __fish_use_subcommand -l help -l version "
      "-l completion\n"
      "complete -c flightdeck-cli -n '__fish_seen_subcommand_from " +
      lists + "; and test (count (commandline -opc)) -eq 3' -a '" + Joined(CategoryWords(), " ") +
      "'\n"
      "complete -c flightdeck-cli -n '__fish_seen_subcommand_from " +
      lists + "; and test (count (commandline -opc)) -eq 4' -a '" + Joined(SideWords(), " ") +
      "'\n"
      "complete -c flightdeck-cli -n 'not __fish_use_subcommand' -F\n";
  for (const TCommand& command : Commands())
    for (const std::string_view option : OptionsOf(command))
      text += "complete -c flightdeck-cli -n '__fish_seen_subcommand_from " +
              std::string(command.Name) + "' -l " + std::string(option.substr(2)) + "\n";
  return text;
}

} // namespace

std::optional<std::string> CompletionScript(std::string_view shell) {
  if (shell == "bash")
    return BashScript();
  if (shell == "zsh")
    return ZshScript();
  if (shell == "fish")
    return FishScript();
  return std::nullopt;
}

} // namespace flightdeck
