#!/usr/bin/env bash
# Configures and builds into build/ (or build-asan/ with --sanitize).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
flags=()
if [ "${1:-}" = "--sanitize" ]; then
    dir=build-asan
    flags=(-DJITSU_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi
[ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
