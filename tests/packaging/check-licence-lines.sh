#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file of the project names its licence in its first lines.
# check-licence-lines.sh SOURCE-DIR
set -eu
cd "$1"
missing=$(find src tests bench fuzz tools cmake packaging .ci CMakeLists.txt -type f \
  \( -name '*.cpp' -o -name '*.h' -o -name '*.rc' -o -name '*.cmake' -o -name '*.sh' \
  -o -name CMakeLists.txt -o -path 'tools/*' -o -path '.ci/*' \) -not -path 'tests/data/*' |
  while read -r file; do
    head -n 3 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$file"
  done)
[ -z "$missing" ] || { echo "no licence line in:" >&2; echo "$missing" >&2; exit 1; }
