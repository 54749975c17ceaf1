#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Each folder of src includes only itself and the folders below it. From the bottom:
#   platform; journal; lists, zip and missions; packs; services; widgets; cli and app.
# Usage: check-layers.sh SOURCE_ROOT
set -eu
src="$1/src"

layer() {
  case "$1" in
    platform) echo 0 ;;
    journal) echo 1 ;;
    lists | zip | missions) echo 2 ;;
    packs) echo 3 ;;
    services) echo 4 ;;
    widgets) echo 5 ;;
    cli | app) echo 6 ;;
    *) echo unknown ;;
  esac
}

status=0
for folder in "$src"/*/; do
  folder=$(basename "$folder")
  own=$(layer "$folder")
  if [ "$own" = unknown ]; then
    echo "src/$folder has no layer: give it one in $0"
    status=1
    continue
  fi
  # Every '#include "other/...' with the file and line it stands on.
  grep -Hn '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[A-Za-z_]*/' "$src/$folder"/* |
    sed 's#^\([^:]*\):\([0-9]*\):[^"]*"\([A-Za-z_]*\)/.*#\1 \2 \3#' > "${TMPDIR:-/tmp}/layers.$$" || true
  while read -r file line other; do
    theirs=$(layer "$other")
    if [ "$other" != "$folder" ] && { [ "$theirs" = unknown ] || [ "$theirs" -ge "$own" ]; }; then
      echo "${file#"$1"/}:$line: $folder includes $other, which is not below it"
      status=1
    fi
  done < "${TMPDIR:-/tmp}/layers.$$"
  rm -f "${TMPDIR:-/tmp}/layers.$$"
done
exit $status
