#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence's SPDX line at the top of every tracked source file (C++, CMake, shell and
# Python), after a #! line; with --check, changes nothing and lists the files without it,
# failing when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
readonly id="SPDX-License-Identifier: GPL-3.0-or-later"
check=false
[ "${1:-}" = "--check" ] && check=true
missing=0
while IFS= read -r -d '' file; do
    case "$file" in
        *.cpp | *.h) line="// $id" ;;
        *) line="# $id" ;;
    esac
    head -n 2 "$file" | grep -qF "$id" && continue
    if $check; then
        echo "spdx-headers: $file has no SPDX line" >&2
        missing=1
    elif head -n 1 "$file" | grep -q '^#!'; then
        sed -i "1a $line" "$file"
    else
        sed -i "1i $line" "$file"
    fi
done < <(git ls-files -z '*.cpp' '*.h' '*.sh' '*.py' '*.cmake' 'CMakeLists.txt' '*/CMakeLists.txt')
exit "$missing"
