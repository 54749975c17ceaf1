#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds both programs twice, from copies of the sources in two folders of different names and
# depths, each with its build folder inside, and checks that the programs are the same bytes.
set -eu
source=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
for copy in a "bb/deeper"; do
  mkdir -p "$root/$copy/flightdeck"
  tar -C "$source" --exclude='./build*' --exclude=./.git -cf - . | tar -xf - -C "$root/$copy/flightdeck"
  cmake -S "$root/$copy/flightdeck" -B "$root/$copy/flightdeck/build" -DFLIGHTDECK_TESTS=OFF >/dev/null
  cmake --build "$root/$copy/flightdeck/build" -j"$(nproc)" --target flightdeck flightdeck-cli >/dev/null
done
for program in flightdeck flightdeck-cli; do
  cmp "$root/a/flightdeck/build/bin/$program" "$root/bb/deeper/flightdeck/build/bin/$program" ||
    { echo "two builds of $program differ" >&2; exit 1; }
  ! grep -q -a -F "$root" "$root/a/flightdeck/build/bin/$program" ||
    { echo "$program holds the folder it was built in" >&2; exit 1; }
done
echo "two builds in two folders give the same programs"
