#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows flightdeck-cli under Wine does what the Linux one does: each builds a pack of the
# demo game, each installs the other's, and the games come out the same, in a folder named
# "José" too; tree, check and history agree, and undo puts the game back.
# compare-cli.sh LINUX-CLI WINDOWS-CLI.exe
set -eu
linux=$1
windows=$2
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
source=$(cd "$(dirname "$0")/../../examples/demo-game" && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
export WINEDEBUG=-all WINEPREFIX="${WINEPREFIX:-$root/wine-prefix}" XDG_DATA_HOME="$root/data"
fail() { echo "compare-cli: $*" >&2; exit 1; }
on_windows() { "$wine" "$windows" "$@"; }
# A path as Wine shows the Linux file system.
dos() { echo "Z:$1" | tr / '\\'; }

for folder in plain José; do
  base="$root/$folder"
  for system in linux windows; do
    mkdir -p "$base/$system"
    cp -r "$source" "$base/$system/built"
    cp -r "$source" "$base/$system/installed"
  done
  "$linux" build-pack "$base/linux/built" combat neutral 'Outer Rim Patrol' "$base/linux/pack.ixo"
  on_windows build-pack "$(dos "$base/windows/built")" combat neutral 'Outer Rim Patrol' \
    "$(dos "$base/windows/pack.ixo")"
  for pack in linux windows; do
    [ "$(unzip -Z1 "$base/$pack/pack.ixo" | sort)" = "$(unzip -Z1 "$base/linux/pack.ixo" | sort)" ] ||
      fail "$folder: the packs hold different entries"
    for entry in $(unzip -Z1 "$base/linux/pack.ixo"); do
      [ "$(unzip -p "$base/$pack/pack.ixo" "$entry" | sha256sum)" = \
        "$(unzip -p "$base/linux/pack.ixo" "$entry" | sha256sum)" ] || fail "$folder: $entry differs"
    done
  done
  # Each installs the other's pack: the games come out byte for byte the same.
  "$linux" install-pack "$base/linux/installed" melee neutral "$base/windows/pack.ixo"
  on_windows install-pack "$(dos "$base/windows/installed")" melee neutral "$(dos "$base/linux/pack.ixo")"
  diff -r "$base/linux/installed" "$base/windows/installed" || fail "$folder: the games differ"
  for command in "tree %s combat rebel" "check %s"; do
    # shellcheck disable=SC2059
    [ "$("$linux" $(printf "$command" "$base/linux/installed"))" = \
      "$(on_windows $(printf "$command" "$(dos "$base/windows/installed")") | tr -d '\r')" ] ||
      fail "$folder: $command differs"
  done
  on_windows history "$(dos "$base/windows/installed")" | grep -q '"command":"install-pack"' ||
    fail "$folder: the Windows history lacks the install"
  on_windows undo "$(dos "$base/windows/installed")"
  "$linux" undo "$base/linux/installed"
  diff -r "$source" "$base/windows/installed" || fail "$folder: undo under Wine left changes"
done
echo "the Windows flightdeck-cli under Wine does what the Linux one does"
