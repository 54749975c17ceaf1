#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Flightdeck against the tools a user would run instead, whole process against whole process,
# each comparison one hyperfine run of all its peers, in a folder on /dev/shm:
#   resave of a Combat list          against cp and the floor (bench/floor.c: read, write, rename)
#   dump and tree                    their peak memory against the list's size
#   check                            how its time grows from the smallest list to the next
#   install-pack                     against unzip -o -j, bsdtar -x and 7z x
#   build-pack                       against zip -6 -j, 7z a -tzip -mx=6 -mmt=2, bsdtar --format zip
#   undo of an install               against xargs rm -f of the list of the files it installed
#   remove-pack of an install        against the undo of it
# The lists' games hold their mission files (real missions, names of one file). The packs'
# missions are binary, 5 to 150 KB, and deflate about 2.6:1 as real ones do; they are no
# missions of this game, so the packs are built and installed with --force. Prints each
# ratio of medians (the median of its rounds) of the wall time and of the processor time, peak
# memory (/usr/bin/time -f %M) and the archives' sizes.
#
# usage: bench/compare.sh [BUILD_DIR]   (default: build; flightdeck-cli must be built there)
# LISTS and PACKS choose the sizes: LISTS="10000 100000 1000000" PACKS="200 2000 20000"; empty for
# none. ROUNDS (3) is how many times each comparison runs.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
cli="$build/bin/flightdeck-cli"
[ -x "$cli" ] || { echo "no $cli: build first" >&2; exit 2; }
for tool in hyperfine bsdtar 7z zip unzip cc python3 /usr/bin/time; do
  command -v "$tool" >/dev/null ||
    { echo "needs $tool (apt-get install hyperfine libarchive-tools p7zip-full zip unzip gcc time)" >&2; exit 2; }
done
lists=${LISTS-"10000 100000 1000000"}
packs=${PACKS-"200 2000 20000"}
rounds=${ROUNDS:-3}
# How often hyperfine runs each command: a stage of over 10,000 missions, whose commands take
# seconds each, twice without a warm-up, so that it ends within minutes.
runs="--min-runs 5 --warmup 1"
base=/dev/shm
[ -d "$base" ] || base=${TMPDIR:-/tmp}
work=$(mktemp -d "$base/flightdeck-compare-XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/data" TMPDIR="$work" # histories and private folders in here too
cc -O2 -o "$work/floor" "$here/floor.c"

game() { mkdir -p "$1/battle" "$1/combat" "$1/melee" "$1/tourn" "$1/train"; }
game "$work/empty"

# ROUNDS hyperfine runs of NAME's peers, each given as LABEL PREPARE COMMAND, at moments apart;
# their JSON stays. hyperfine runs one command after the other, so a drift of the machine in
# one run moves its ratios: each ratio is the median of the rounds'. With -N first, the commands
# run without a shell, whose start hyperfine cannot take off a command of a few milliseconds.
compare() {
  direct=""
  [ "$1" = -N ] && direct=-N && shift
  name=$1
  shift
  count=$#
  while [ "$count" -gt 0 ]; do
    set -- "$@" --command-name "$1" --prepare "$2" "$3"
    shift 3
    count=$((count - 3))
  done
  round=1
  while [ "$round" -le "$rounds" ]; do
    hyperfine $direct $runs --style none \
      --export-json "$work/$name.$round.json" "$@" >/dev/null 2>&1
    round=$((round + 1))
  done
}
# The median over NAME's rounds of the median seconds of the command at INDEX, or of its ratio
# to the command at OVER; with KIND "cpu", of the processor time (user and system, the mean
# of each run's) instead of the wall time.
median() {
  python3 - "$work/$1" "$rounds" "$2" "${3:-}" "${4:-wall}" <<'PY'
import json, statistics, sys
base, rounds, index, over, kind = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4], sys.argv[5]
results = [json.load(open("%s.%d.json" % (base, r)))["results"] for r in range(1, rounds + 1)]
time = (lambda c: c["user"] + c["system"]) if kind == "cpu" else (lambda c: c["median"])
values = [time(r[index]) / (time(r[int(over)]) if over else 1) for r in results]
print(("%.2f" if over else "%s") % statistics.median(values))
PY
}
# "W x (C x in CPU)": the command at INDEX against the one at OVER, in wall and processor time.
ratio() { echo "$(median "$1" "$2" "$3") x ($(median "$1" "$2" "$3" cpu) x in CPU)"; }
peak() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; } # KiB
median_peak() { for round in 1 2 3; do peak "$@"; done | sort -n | sed -n 2p; }
idle=$(peak "$cli" dump "$work/empty" combat neutral)

echo "== lists, each with its mission files (the program's own memory: $idle KiB)"
cp "$here/../examples/demo-game/combat/patrol1.tie" "$work/real.tie"
check_small=""
for n in $lists; do
  g="$work/list$n"
  game "$g"
  awk -v n="$n" 'BEGIN { printf "//\r\n[A campaign of many missions]\r\n//\r\n";
    for (i = 0; i < n; i++) printf "%d\r\nm%07d.tie\r\nMission %d of the long one\r\n", i, i, i }' \
    > "$g/combat/mission.lst"
  # Every mission a real one of this game: names of one file, as the check reads each.
  python3 -c 'import os, sys
for i in range(int(sys.argv[2])): os.link(sys.argv[3], "%s/m%07d.tie" % (sys.argv[1], i))' \
    "$g/combat" "$n" "$work/real.tie"
  list="$g/combat/mission.lst"
  size=$(($(wc -c < "$list") / 1024))
  compare -N "resave$n" "resave" "true" "$cli resave $g combat neutral" \
    "floor" "true" "$work/floor $list" "cp" "true" "cp $list $work/copy.lst"
  echo "resave of $n entries ($size KiB): $(ratio "resave$n" 0 1) the floor," \
    "$(ratio "resave$n" 0 2) cp; peak $(($(peak "$cli" resave "$g" combat neutral) - idle)) KiB above the program's own"
  echo "  dump peaks at $(peak "$cli" dump "$g" combat neutral) KiB, tree at" \
    "$(peak "$cli" tree "$g" combat neutral) KiB"
  compare "check$n" "check" "true" "$cli check $g combat neutral"
  check=$(median "check$n" 0)
  if [ -n "$check_small" ]; then
    echo "  check: $check s; grows as N^$(python3 -c 'import math,sys; a,b,m,n=map(float,sys.argv[1:]); print("%.2f" % (math.log(b/a)/math.log(n/m)))' "$check_small" "$check" "$check_n" "$n")"
  else
    echo "  check: $check s"
  fi
  check_small=$check check_n=$n
done

echo "== packs"
largest=0
for n in $packs; do [ "$n" -gt "$largest" ] && largest=$n; done
mkdir -p "$work/missions"
python3 - "$work/missions" "$largest" <<'EOF'
import os, random, sys
folder, count = sys.argv[1], int(sys.argv[2])
random.seed(7)
def blob(n):  # short runs of a small alphabet and copies of what came before: deflates ~2.6:1
    out = bytearray()
    alphabet = bytes(random.randrange(256) for _ in range(32))
    while len(out) < n:
        if random.random() < 0.45 and len(out) > 64:
            length = random.randrange(4, 24)
            start = random.randrange(0, len(out) - length)
            out += out[start:start + length]
        else:
            out += bytes(random.choice(alphabet) for _ in range(random.randrange(1, 6)))
    return bytes(out[:n])
seeds = [blob(150000) for _ in range(16)]
for i in range(count):
    size = 5000 + (i * 7919) % 145000
    start = (i * 104729) % (150000 - size + 1)
    data = i.to_bytes(8, "little") + seeds[i % len(seeds)][start + 8:start + size]
    with open(os.path.join(folder, "m%05d.tie" % i), "wb") as out:
        out.write(data)
EOF
for n in $packs; do
  [ "$n" -gt 10000 ] && runs="--runs 2 --warmup 0"
  g="$work/packed$n"
  game "$g"
  i=0
  {
    printf '//\r\n[Deep Space]\r\n//\r\n'
    while [ $i -lt "$n" ]; do
      name=$(printf 'm%05d.tie' $i)
      ln "$work/missions/$name" "$g/combat/$name"
      printf '%d\r\n%s\r\nDeep Space %d\r\n' $i "$name" $i
      i=$((i + 1))
    done
  } > "$g/combat/mission.lst"
  pack="$work/Deep$n.ixo"
  "$cli" build-pack "$g" combat neutral "Deep Space" "$pack" --force 2>/dev/null
  into="$work/game"
  fresh="rm -rf $into && cp -r $work/empty $into"
  compare "install$n" "install" "$fresh" "$cli install-pack $into combat neutral $pack --force" \
    "unzip" "$fresh" "unzip -q -o -j $pack -d $into/combat" \
    "bsdtar" "$fresh" "bsdtar -xf $pack -C $into/combat" \
    "7z" "$fresh" "7z x -y -bd -o$into/combat $pack"
  echo "install-pack of $n missions: $(ratio "install$n" 0 2) bsdtar," \
    "$(ratio "install$n" 0 1) unzip, $(ratio "install$n" 0 3) 7z"
  # A first install, as bsdtar's: the installs timed above left their entries in the history.
  echo "  peak memory: install-pack $(median_peak sh -c "$fresh && rm -rf $work/data && $cli install-pack $into combat neutral $pack --force") KiB," \
    "bsdtar $(median_peak sh -c "$fresh && bsdtar -xf $pack -C $into/combat") KiB"

  out="$work/out"
  compare "build$n" "build" "rm -f $out.ixo" "$cli build-pack $g combat neutral 'Deep Space' $out.ixo --force" \
    "zip" "rm -f $out.zip" "cd $g/combat && zip -q -6 $out.zip m*.tie" \
    "7z" "rm -f $out.7z.zip" "cd $g/combat && 7z a -bd -tzip -mx=6 -mmt=2 $out.7z.zip 'm*.tie' >/dev/null" \
    "bsdtar" "rm -f $out.tar.zip" "cd $g/combat && bsdtar --format zip -cf $out.tar.zip m*.tie"
  echo "build-pack of $n missions: $(ratio "build$n" 0 1) zip -6," \
    "$(ratio "build$n" 0 2) 7z, $(ratio "build$n" 0 3) bsdtar"
  echo "  sizes: ours $(wc -c < "$out.ixo"), zip $(wc -c < "$out.zip"), 7z $(wc -c < "$out.7z.zip")," \
    "bsdtar $(wc -c < "$out.tar.zip") bytes; ours is" \
    "$(python3 -c 'import sys; print("%+.2f%%" % (100.0 * int(sys.argv[1]) / int(sys.argv[2]) - 100))' \
      "$(wc -c < "$out.ixo")" "$(wc -c < "$out.zip")") of zip -6's"
  rm -f "$out.ixo"
  # The program's own memory for this pack: the same list, names and files, every one empty.
  hollow="$work/hollow$n"
  game "$hollow"
  cp "$g/combat/mission.lst" "$hollow/combat/"
  for mission in "$g"/combat/m*.tie; do : > "$hollow/combat/${mission##*/}"; done
  own=$(median_peak "$cli" build-pack "$hollow" combat neutral "Deep Space" "$out.ixo" --force)
  full=$(median_peak "$cli" build-pack "$g" combat neutral "Deep Space" "$out.ixo" --force)
  largest=$(find "$g/combat" -name 'm*.tie' -printf '%s\n' | sort -n | tail -1)
  echo "  build-pack peaks at $full KiB, $((full - idle)) KiB above the idle program;" \
    "$((full - own)) KiB above the same pack of empty missions ($own KiB);" \
    "2 x $(nproc) threads x the largest mission: $((2 * $(nproc) * largest / 1024)) KiB"
  rm -rf "$hollow"

  installed="rm -rf $into $work/data && cp -r $work/empty $into && $cli install-pack $into combat neutral $pack --force"
  # The fair peer of an undo: rm handed the list of the files, nothing looked up.
  unzipped="rm -rf $into && cp -r $work/empty $into && unzip -q -o -j $pack -d $into/combat"
  (cd "$g/combat" && for mission in m*.tie; do echo "$into/combat/$mission"; done) > "$work/installed"
  compare "undo$n" "undo" "$installed" "$cli undo $into" \
    "rm" "$unzipped" "xargs rm -f < $work/installed" \
    "remove-pack" "$installed" "$cli remove-pack $into 1"
  echo "undo of that install: $(ratio "undo$n" 0 1) xargs rm -f < list;" \
    "remove-pack of it: $(ratio "undo$n" 2 0) the undo"
  rm -rf "$g" "$pack" "$out".*
done
