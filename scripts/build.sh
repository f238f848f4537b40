#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds into build/ (Release, with the distribution's hardening flags, as the
# package is built) or, with --sanitize, into build-asan/ (Debug with AddressSanitizer and
# UndefinedBehaviorSanitizer, no benchmarks). Warnings are errors here. A new build directory is
# a unity build (each target's files compiled sixteen to a unit, which halves the time of a whole
# build); to edit and rebuild one file at a time, reconfigure it with -DCMAKE_UNITY_BUILD=OFF.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
flags=(-DJITSU_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
    dir=build-asan
    flags+=(-DJITSU_SANITIZE=ON -DJITSU_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
else
    source scripts/debian-flags.sh
    flags+=("${debian_flags[@]}")
    [ -f "$dir/CMakeCache.txt" ] || flags+=(-DCMAKE_BUILD_TYPE=Release)
fi
[ -f "$dir/CMakeCache.txt" ] || flags+=(-DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16)
cmake -S . -B "$dir" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
