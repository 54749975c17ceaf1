#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds both programs and the Debian package twice, from copies of the sources in two folders
# of different names and depths, each with its build folder inside, and checks that the programs
# and the packages are the same bytes (the packages given SOURCE_DATE_EPOCH, as Debian does).
set -eu
source=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
for copy in a "bb/deeper"; do
  mkdir -p "$root/$copy/flightdeck"
  tar -C "$source" --exclude='./build*' --exclude=./.git -cf - . | tar -xf - -C "$root/$copy/flightdeck"
  cmake -S "$root/$copy/flightdeck" -B "$root/$copy/flightdeck/build" -DFLIGHTDECK_TESTS=OFF >/dev/null
  cmake --build "$root/$copy/flightdeck/build" -j"$(nproc)" >/dev/null
  (cd "$root/$copy/flightdeck/build" && SOURCE_DATE_EPOCH=1765000000 cpack -G DEB -B "$root/$copy/deb" >/dev/null)
done
for program in flightdeck flightdeck-cli; do
  cmp "$root/a/flightdeck/build/bin/$program" "$root/bb/deeper/flightdeck/build/bin/$program" ||
    { echo "two builds of $program differ" >&2; exit 1; }
  ! grep -q -a -F "$root" "$root/a/flightdeck/build/bin/$program" ||
    { echo "$program holds the folder it was built in" >&2; exit 1; }
done
# The packages, and where they differ, what of them.
if ! cmp "$root"/a/deb/flightdeck_*.deb "$root"/bb/deeper/deb/flightdeck_*.deb; then
  for copy in a "bb/deeper"; do
    mkdir "$root/$copy/control" && (cd "$root/$copy/control" && ar x "$root/$copy"/deb/flightdeck_*.deb &&
      tar -xf control.tar.* && dpkg-deb -c "$root/$copy"/deb/flightdeck_*.deb > contents)
  done
  diff -r "$root/a/control" "$root/bb/deeper/control" >&2 || true
  echo "two builds of the package differ" >&2
  exit 1
fi
echo "two builds in two folders give the same programs and package"
