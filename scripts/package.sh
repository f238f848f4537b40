#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package build-release/jitsuryoku_<version>_amd64.deb (and its debug symbols,
# jitsuryoku-dbgsym_<version>_amd64.ddeb) from a Release build without the tests, compiled with
# the distribution's hardening flags, and checks it (scripts/check-package.sh); install it with
# `sudo apt-get install ./build-release/jitsuryoku_*.deb`.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
source scripts/debian-flags.sh
dir=build-release
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DJITSU_TESTS=OFF -DJITSU_BENCH=OFF \
    "${debian_flags[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
scripts/check-package.sh "$dir"
ls "$dir"/jitsuryoku_*_amd64.deb
