#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Each completion script that the build made loads in its shell and completes the command
# names, CATEGORY and the options of a command.
set -eu
folder=$1
fail() { echo "$*" >&2; exit 1; }

bash -n "$folder/flightdeck-cli"
zsh -n "$folder/_flightdeck-cli"
fish -n "$folder/flightdeck-cli.fish"

# Each shell asked for the completions of one command line; the answers, one per line.
in_bash() {
  bash -c '. "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _flightdeck_cli
           printf "%s\n" "${COMPREPLY[@]}"' bash "$folder/flightdeck-cli" "$@"
}
in_zsh() {
  # The completion system's own functions, stood in for: what is offered is printed.
  zsh -fc 'compadd() { [ "$1" = -- ] && shift; print -l -- "$@"; }; _files() { :; }
           words=("${@:2}"); CURRENT=$#words; PREFIX=${words[-1]}
           . "$1" | grep -- "^$PREFIX"' zsh "$folder/_flightdeck-cli" "$@"
}
in_fish() {
  fish -c 'source $argv[1]; complete -C (string join " " -- $argv[2..-1]) | string replace -r "\t.*" ""' \
    "$folder/flightdeck-cli.fish" "$@"
}

for shell in bash zsh fish; do
  answer=$(in_$shell flightdeck-cli in | sort | tr '\n' ' ')
  [ "$answer" = "install-mission install-pack " ] || fail "$shell completes 'in' as: $answer"
  answer=$(in_$shell flightdeck-cli check game t | tr '\n' ' ')
  [ "$answer" = "tournaments training " ] || fail "$shell completes a category as: $answer"
  answer=$(in_$shell flightdeck-cli move game combat rebel A --o | tr '\n' ' ')
  [ "$answer" = "--onto " ] || fail "$shell completes an option as: $answer"
done
# Paths with blanks, quotes and names outside ASCII, typed as a user types them in bash: each
# completes to the one name, whole.
places=$(mktemp -d)
trap 'rm -rf "$places"' EXIT
mkdir -p "$places/GOG Games/X wing" "$places/it's \"q\"" "$places/café"
while IFS='|' read -r typed expected; do
  answer=$(cd "$places" && in_bash flightdeck-cli dump "$typed" | tr '\n' '|')
  [ "$answer" = "$expected|" ] || fail "bash completes $typed as: $answer"
done <<'EOF'
GO|GOG Games
GOG\ Games/X|GOG Games/X wing
"GOG Games/X|GOG Games/X wing
'GOG Games/|GOG Games/X wing
it\'s|it's "q"
"it's \"|it's "q"
caf|café
EOF
echo "the bash, zsh and fish completions load and complete"
