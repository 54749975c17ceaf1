#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows release as a user gets it, under Wine: the zip unpacks to both programs, the README,
# the licence, the command line's help and the demo game, and runs from there; the installer puts
# the programs under Program Files, adds the Start menu entry and opens packs (.ixo) with the
# window; its uninstaller takes both back.
# check-release.sh BUILD (after cpack in BUILD)
set -eu
build=$1
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
export WINEDEBUG=-all WINEPREFIX="$root/wine-prefix"
fail() { echo "check-release: $*" >&2; exit 1; }

unzip -q "$build/flightdeck-$version-win64.zip" -d "$root"
unpacked=$root/flightdeck-$version-win64
for file in flightdeck.exe flightdeck-cli.exe README.md LICENSE.txt flightdeck-cli-help.txt \
  demo-game/combat/mission.lst; do
  [ -f "$unpacked/$file" ] || fail "the zip lacks $file"
done
[ "$("$wine" "$unpacked/flightdeck-cli.exe" --help | tr -d '\r')" = \
  "$(tr -d '\r' <"$unpacked/flightdeck-cli-help.txt")" ] || fail "the help text differs"
"$wine" "$unpacked/flightdeck-cli.exe" check "Z:$unpacked/demo-game" >/dev/null ||
  fail "the unpacked flightdeck-cli cannot check its demo game"
[ "$("$wine" "$unpacked/flightdeck.exe" --version | tr -d '\r')" = "flightdeck $version" ] ||
  fail "the unpacked window does not start"

"$wine" "$build/flightdeck-$version-win64.exe" /S
installed="$WINEPREFIX/drive_c/Program Files/Flightdeck"
[ -f "$installed/flightdeck.exe" ] && [ -f "$installed/flightdeck-cli.exe" ] ||
  fail "the installer put no programs in $installed"
find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Flightdeck/Flightdeck.lnk' | grep -q . ||
  fail "the installer made no Start menu entry"
query() { "$wine" reg query "HKLM\\Software\\Classes\\$1" /ve 2>/dev/null | tr -d '\r'; }
query .ixo | grep -q 'Flightdeck.Pack' || fail ".ixo is not associated"
query 'Flightdeck.Pack\shell\open\command' |
  grep -qF '"C:\Program Files\Flightdeck\flightdeck.exe" "%1"' || fail ".ixo does not open the window"

"$wine" "$installed/Uninstall.exe" /S
"$wineserver" -w # the uninstaller goes on in a copy of itself
[ ! -e "$installed/flightdeck.exe" ] || fail "the uninstaller left the window"
query .ixo | grep -q 'Flightdeck.Pack' && fail "the uninstaller left the association"
echo "the Windows zip and installer work under Wine"
