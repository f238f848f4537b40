#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a staging prefix and checks the installed suite: the file list, the
# installed jitsuryoku run from there (no build-tree paths), the desktop entry and the
# metainfo; and the Debian package's file list when scripts/package.sh has built one.
set -euo pipefail
cd "$(dirname "$0")/.."
expected="$PWD/packaging/installed-files.txt"
# The README's screenshots come along with it, whichever they are.
files() { grep -v '^/usr/share/doc/jitsuryoku/docs/' | LC_ALL=C sort; }
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
cmake --install build --prefix "$stage/usr" >/dev/null
(cd "$stage" && find . -type f | sed 's/^\.//' | files) | diff -u "$expected" - ||
    { echo "check-install: the installed files differ from $expected" >&2; exit 1; }
for program in "$stage"/usr/bin/*; do
    if readelf -d "$program" | grep -qE 'RPATH|RUNPATH'; then
        echo "check-install: $program carries a library path" >&2
        exit 1
    fi
    "$program" --version >/dev/null
done
(cd "$stage" && usr/bin/jitsuryoku --version && usr/bin/jitsuryoku demo demo-year >/dev/null &&
    usr/bin/jitsuryoku -C demo-year results --year 2026 --test 2 --grade 1 >/dev/null)
# Its messages in Japanese from the installed catalogue (a test without scores).
(cd "$stage" && LANG=ja_JP.UTF-8 usr/bin/jitsuryoku -C demo-year results --year 2026 --test 3 \
    --grade 1 2>&1 || true) | grep -q '点数データのファイルを開けませんでした' ||
    { echo "check-install: jitsuryoku does not speak Japanese under ja_JP.UTF-8" >&2; exit 1; }
desktop-file-validate "$stage"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$stage"/usr/share/metainfo/*.metainfo.xml >/dev/null
for deb in build-release/jitsuryoku_*_amd64.deb; do
    [ -f "$deb" ] || continue
    dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print substr($6, 2)}' | files |
        diff -u "$expected" - || { echo "check-install: $deb holds other files" >&2; exit 1; }
    echo "check-install: $deb holds the installed files"
done
echo "check-install: the installed suite runs from a staging prefix"
