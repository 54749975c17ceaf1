#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary root and checks what a desktop expects of it, then builds
# the Debian package and checks its contents and dependencies.
set -eu
build=$1
id=io.github.flightdeck.Flightdeck
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root/install" cmake --install "$build" --prefix /usr >/dev/null
usr="$root/install/usr"
for file in bin/flightdeck bin/flightdeck-cli share/applications/$id.desktop \
    share/mime/packages/$id.xml share/icons/hicolor/scalable/apps/$id.svg \
    share/icons/hicolor/256x256/apps/$id.png share/metainfo/$id.metainfo.xml \
    share/doc/flightdeck/README.md share/doc/flightdeck/copyright share/doc/flightdeck/changelog.gz \
    share/man/man1/flightdeck-cli.1.gz share/man/man1/flightdeck.1.gz \
    share/flightdeck/demo-game/battle/mission.lst share/bash-completion/completions/flightdeck-cli \
    share/zsh/vendor-completions/_flightdeck-cli share/fish/vendor_completions.d/flightdeck-cli.fish; do
  [ -f "$usr/$file" ] || { echo "missing: $file" >&2; exit 1; }
done
desktop-file-validate "$usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml"
xmllint --noout "$usr/share/mime/packages/$id.xml"
grep -q '^MimeType=application/x-ixo-mission-pack;$' "$usr/share/applications/$id.desktop"
grep -q "^Icon=$id\$" "$usr/share/applications/$id.desktop"
grep -q '<glob pattern="\*.ixo"/>' "$usr/share/mime/packages/$id.xml"
# What a desktop shows of the program speaks the window's languages too.
for lang in de fr; do
  for key in GenericName Comment Keywords; do
    grep -q "^$key\[$lang\]=." "$usr/share/applications/$id.desktop" ||
      { echo "the desktop entry has no $key in $lang" >&2; exit 1; }
  done
  grep -q "<summary xml:lang=\"$lang\">" "$usr/share/metainfo/$id.metainfo.xml" &&
    grep -q "<p xml:lang=\"$lang\">" "$usr/share/metainfo/$id.metainfo.xml" &&
    grep -q "<comment xml:lang=\"$lang\">" "$usr/share/mime/packages/$id.xml" ||
    { echo "the metainfo or the MIME type has no $lang text" >&2; exit 1; }
done
# The icon is a 256-pixel PNG.
[ "$(od -An -tx1 -j16 -N8 "$usr/share/icons/hicolor/256x256/apps/$id.png" | tr -d ' \n')" = \
  "0000010000000100" ] || { echo "the PNG icon is not 256 by 256" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$root/deb" >/dev/null)
deb=$(ls "$root"/deb/flightdeck_*.deb)
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/flightdeck ./usr/bin/flightdeck-cli ./usr/share/applications/$id.desktop \
    ./usr/share/metainfo/$id.metainfo.xml \
    ./usr/share/bash-completion/completions/flightdeck-cli \
    ./usr/share/zsh/vendor-completions/_flightdeck-cli \
    ./usr/share/fish/vendor_completions.d/flightdeck-cli.fish; do
  echo "$contents" | grep -q " $path\$" || { echo "not in the package: $path" >&2; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in 'libc6 (>= ' 'libstdc++6 (>= ' 'libqt6widgets6 (>= ' 'libqt6network6 (>= ' \
    'libzip4 (>= ' 'libdeflate0 (>= ' 'qt6-qpa-plugins (>= '; do
  echo "$depends" | grep -q -F "$package" || { echo "no dependency on $package: $depends" >&2; exit 1; }
done
[ "$(dpkg-deb -f "$deb" Package)" = flightdeck ]
# Debian's own checks: no error. The team has no mail host of its own yet.
lintian --fail-on error --suppress-tags bogus-mail-host,bogus-mail-host-in-debian-changelog "$deb" >&2
echo "package and installed files are in order: $(basename "$deb")"
