#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Flightdeck against the tools a user would run instead, whole process against whole process,
# in a folder on /dev/shm: resave of a Combat list of 100,000 entries against cp of the file,
# install-pack of 200 missions of 60 KB against unzip -o -j of the same archive, build-pack of
# the same missions against zip -6 -j. Prints each ratio of medians (hyperfine, at least five
# runs each) and the resave's peak memory above the program's own.
#
# usage: bench/compare.sh [BUILD_DIR]   (default: build; flightdeck-cli must be built there)
set -eu
build=$(cd "${1:-build}" && pwd)
cli="$build/bin/flightdeck-cli"
[ -x "$cli" ] || { echo "no $cli: build first" >&2; exit 2; }
command -v hyperfine >/dev/null || { echo "needs hyperfine (apt-get install hyperfine)" >&2; exit 2; }
base=/dev/shm
[ -d "$base" ] || base=${TMPDIR:-/tmp}
work=$(mktemp -d "$base/flightdeck-compare-XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/data" TMPDIR="$work" # histories and private folders in here too

# A game with a Combat list of 100,000 entries, and one with 200 missions of 60 KB in a campaign.
game() { mkdir -p "$1/battle" "$1/combat" "$1/melee" "$1/tourn" "$1/train"; }
game "$work/big"
awk 'BEGIN { printf "//\r\n[A campaign of many missions]\r\n//\r\n";
             for (i = 0; i < 100000; i++)
               printf "%d\r\nmission%06d.tie\r\nThe mission number %d of a long campaign\r\n", i, i, i }' \
  > "$work/big/combat/mission.lst"
"$cli" resave "$work/big" combat neutral # written once as Flightdeck writes it
game "$work/packed"
mkdir -p "$work/missions"
{
  printf '//\r\n[Deep Space]\r\n//\r\n'
  i=0
  while [ $i -lt 200 ]; do
    head -c 61440 /dev/urandom | base64 -w 0 | head -c 61440 > "$work/missions/ds$i.tie"
    cp "$work/missions/ds$i.tie" "$work/packed/combat/"
    printf '%d\r\nds%d.tie\r\nDeep Space %d\r\n' $i $i $i
    i=$((i + 1))
  done
} > "$work/packed/combat/mission.lst"
"$cli" build-pack "$work/packed" combat neutral "Deep Space" "$work/Deep.ixo" 2>/dev/null
game "$work/empty"

median() { # command name → median seconds, from hyperfine's JSON
  python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["results"][0]["median"])' "$1"
}
run() { # name, prepare, command
  hyperfine --min-runs 5 --warmup 1 --style none --export-json "$work/$1.json" \
    --prepare "$2" "$3" >/dev/null 2>&1
  median "$work/$1.json"
}
ratio() { python3 -c 'import sys; print("%.2f" % (float(sys.argv[1]) / float(sys.argv[2])))' "$1" "$2"; }

list="$work/big/combat/mission.lst"
resave=$(run resave "true" "'$cli' resave '$work/big' combat neutral")
cp=$(run cp "true" "cp '$list' '$work/copy.lst'")
echo "resave of 100,000 entries: $(ratio "$resave" "$cp") x cp ($resave s against $cp s)"
peak=$(/usr/bin/time -f %M "$cli" resave "$work/big" combat neutral 2>&1 >/dev/null | tail -1)
idle=$(/usr/bin/time -f %M "$cli" dump "$work/empty" combat neutral 2>&1 >/dev/null | tail -1)
echo "  peak memory $((peak - idle)) KiB above the program's own; the list is $(($(wc -c < "$list") / 1024)) KiB"

fresh="rm -rf '$work/game' && cp -r '$work/empty' '$work/game'"
install=$(run install "$fresh" "'$cli' install-pack '$work/game' combat neutral '$work/Deep.ixo'")
unzip=$(run unzip "$fresh" "unzip -q -o -j '$work/Deep.ixo' -d '$work/game/combat'")
echo "install-pack of 200 missions: $(ratio "$install" "$unzip") x unzip -o -j ($install s against $unzip s)"

build=$(run build "rm -f '$work/Out.ixo'" "'$cli' build-pack '$work/packed' combat neutral 'Deep Space' '$work/Out.ixo'")
zip=$(run zip "rm -f '$work/out.zip'" "zip -q -6 -j '$work/out.zip' '$work'/missions/*.tie")
echo "build-pack of 200 missions: $(ratio "$build" "$zip") x zip -6 -j ($build s against $zip s)"
