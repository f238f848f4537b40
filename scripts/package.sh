#!/usr/bin/env bash
# Builds the Debian package build-release/jitsuryoku_<version>_amd64.deb from a Release build
# without the tests; install it with `sudo apt-get install ./build-release/jitsuryoku_*.deb`.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
dir=build-release
[ -f "$dir/build.ninja" ] ||
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DJITSU_TESTS=OFF -DJITSU_BENCH=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)"
(cd "$dir" && cpack >/dev/null)
ls "$dir"/jitsuryoku_*_amd64.deb
