#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-catalogue.sh XGETTEXT MSGCMP SOURCE_DIR: every text marked N_ in the sources has a
# translation in po/ja.po.
set -euo pipefail
xgettext=$1 msgcmp=$2 src=$3
pot=$(mktemp)
trap 'rm -f "$pot"' EXIT
cd "$src"
find . \( -path ./tests -o -path './build*' -o -path ./.git \) -prune -o \
    \( -name '*.cpp' -o -name '*.h' \) -print | sort |
    "$xgettext" --from-code=UTF-8 --language=C++ --keyword=N_ --no-location -o "$pot" -f -
sed -i 's/charset=CHARSET/charset=UTF-8/' "$pot"
"$msgcmp" po/ja.po "$pot"
