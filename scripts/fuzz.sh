#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the readers' libFuzzer targets with clang into build-fuzz/ and runs each on a scratch
# copy of its seed corpus under tests/fuzz/. With no argument every target runs ten million
# times (RUNS overrides the count) and what it finds that reaches new code is merged back into
# tests/fuzz/, so the saved corpora grow; with SECONDS, each runs that long and the tree stays as
# it is. Prints each target's run count and time; a crash stops with the input saved in
# build-fuzz/crashes/.
#   scripts/fuzz.sh            ten million runs per target, corpora saved
#   scripts/fuzz.sh 600        ten minutes per target
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -gt 0 ]; then
    limit=(-max_total_time="$1")
    keep=no
else
    limit=(-runs="${RUNS:-10000000}")
    keep=yes
fi
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
    start=$SECONDS
    if ! "$target" "${limit[@]}" -print_final_stats=1 \
        -artifact_prefix=build-fuzz/crashes/"$name"- "$scratch/$name" >"$log" 2>&1; then
        tail -40 "$log"
        echo "$name: FAILED (input in build-fuzz/crashes/)"
        exit 1
    fi
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    if [ "$keep" = yes ]; then
        "$target" -merge=1 tests/fuzz/"$corpus" "$scratch/$name" >"$log.merge" 2>&1
    fi
    echo "$name: ${runs:-?} runs in $((SECONDS - start)) s, nothing found"
done
