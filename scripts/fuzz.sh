#!/usr/bin/env bash
# Builds the readers' libFuzzer targets with clang into build-fuzz/ and runs each for SECONDS
# (default 10) on a scratch copy of its seed corpus under tests/fuzz/, so the tree stays as it
# is. Prints each target's run count; a crash stops with the input saved in build-fuzz/crashes/.
#   scripts/fuzz.sh [SECONDS]      e.g. scripts/fuzz.sh 600 for a longer search
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-10}"
[ -f build-fuzz/build.ninja ] ||
    CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DJITSU_FUZZ=ON >/dev/null
if ! built="$(cmake --build build-fuzz -j "$(nproc)" 2>&1)"; then
    echo "$built" | tail -40
    echo "fuzz: the fuzz targets do not build"
    exit 1
fi
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p build-fuzz/crashes
for target in build-fuzz/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name="$(basename "$target")"
    corpus="${name#fuzz_}"
    corpus="${corpus%_round_trip}"
    mkdir -p "$scratch/$name"
    cp tests/fuzz/"$corpus"/* "$scratch/$name/"
    log="$scratch/$name.log"
    if ! "$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix=build-fuzz/crashes/"$name"- "$scratch/$name" >"$log" 2>&1; then
        tail -40 "$log"
        echo "$name: FAILED (input in build-fuzz/crashes/)"
        exit 1
    fi
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    echo "$name: ${runs:-?} runs in ${seconds} s, nothing found"
done
