#!/usr/bin/env bash
# Builds the Debian package build-release/jitsuryoku_<version>_amd64.deb from a Release build
# without the tests; install it with `sudo apt-get install ./build-release/jitsuryoku_*.deb`.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
dir=build-release
# -O2 as Debian builds its packages: GCC 12 at -O3 warns falsely inside std::string (-Werror).
[ -f "$dir/build.ninja" ] ||
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
        -DJITSU_TESTS=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)"
(cd "$dir" && cpack >/dev/null)
ls "$dir"/jitsuryoku_*_amd64.deb
