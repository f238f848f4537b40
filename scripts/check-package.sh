#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from an existing build directory (default build-release/, as
# scripts/package.sh leaves it; scripts/test.sh passes build/) and checks it as a distribution
# would: lintian with no error and no warning, hardening-check on every program, and the debug
# symbols of every program in the jitsuryoku-dbgsym package.
#
# hardening-check's fortify test fails a program in which the compiler found every call to a
# fortifiable function safe (no __*_chk call left), a false alarm its manual describes; that
# test is left to the build's flags, which must carry _FORTIFY_SOURCE.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build-release}"
rm -f "$dir"/jitsuryoku*_amd64.*deb
(cd "$dir" && cpack >/dev/null)
deb=$(ls "$dir"/jitsuryoku_*_amd64.deb)
dbgsym=$(ls "$dir"/jitsuryoku-dbgsym_*_amd64.ddeb)
# --allow-root: lintian refuses root otherwise; every tag shown, none hidden after a few.
lintian --fail-on error,warning --allow-root --tag-display-limit 0 "$deb"
unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked/deb"
dpkg-deb -x "$dbgsym" "$unpacked/dbgsym"
grep -q '^CMAKE_CXX_FLAGS:.*-D_FORTIFY_SOURCE=[23]' "$dir/CMakeCache.txt" ||
    { echo "check-package: $dir was not built with _FORTIFY_SOURCE (scripts/debian-flags.sh)" >&2; exit 1; }
for program in "$unpacked"/deb/usr/bin/*; do
    hardening-check --quiet --nofortify "$program"
    id=$(readelf -n "$program" | awk '/Build ID:/ {print $3}')
    [ -f "$unpacked/dbgsym/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug" ] ||
        { echo "check-package: no debug symbols for ${program##*/} in $dbgsym" >&2; exit 1; }
done
echo "check-package: $deb is lintian-clean, hardened and stripped, its symbols in $dbgsym"
