#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the readers' libFuzzer targets with clang into build-fuzz/ and runs each on a scratch
# copy of its seed corpus under tests/fuzz/, as many side by side as there are cores (JOBS
# overrides). With no argument every reader runs ten million times in total (RUNS overrides the
# count), shared equally by the targets that read its corpus (the reader alone and its round
# trip), and what they find that reaches new code (new edges; how often they run does not count)
# is merged back into tests/fuzz/, smallest inputs first, so the saved corpora grow; with
# SECONDS, each target runs that long and the tree stays as it is. Prints each target's run
# count, time and runs a second; a crash stops the others, with the input saved in
# build-fuzz/crashes/.
#   scripts/fuzz.sh            ten million runs per reader, corpora saved
#   scripts/fuzz.sh 600        ten minutes per target
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -gt 0 ]; then
    limit=(-max_total_time="$1")
    keep=no
else
    keep=yes
fi
jobs=${JOBS:-$(nproc)}
[ -f build-fuzz/build.ninja ] ||
    CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DJITSU_FUZZ=ON -DCMAKE_UNITY_BUILD=ON \
        -DCMAKE_UNITY_BUILD_BATCH_SIZE=16 >/dev/null
if ! built="$(cmake --build build-fuzz -j "$(nproc)" 2>&1)"; then
    echo "$built" | tail -40
    echo "fuzz: the fuzz targets do not build"
    exit 1
fi
scratch="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$scratch"' EXIT
mkdir -p build-fuzz/crashes

# The saved corpus a target reads: fuzz_scores and fuzz_scores_round_trip both read scores.
corpus_of() {
    local name
    name="$(basename "$1")"
    name="${name#fuzz_}"
    echo "${name%_round_trip}"
}

# Runs one target; its report line goes to $scratch/NAME.report, its exit status is its own.
fuzz_one() {
    local target=$1 name corpus log start runs seconds
    name="$(basename "$target")"
    corpus="$(corpus_of "$target")"
    if [ "$keep" = yes ]; then
        local sharing
        sharing="$(printf '%s\n' "${targets[@]}" | while read -r t; do corpus_of "$t"; done |
            grep -cx "$corpus")"
        limit=(-runs="$((${RUNS:-10000000} / sharing))")
    fi
    mkdir -p "$scratch/$name"
    cp tests/fuzz/"$corpus"/* "$scratch/$name/"
    log="$scratch/$name.log"
    start=$SECONDS
    if ! "$target" "${limit[@]}" -print_final_stats=1 \
        -artifact_prefix=build-fuzz/crashes/"$name"- "$scratch/$name" >"$log" 2>&1; then
        tail -40 "$log"
        echo "$name: FAILED (input in build-fuzz/crashes/)"
        return 1
    fi
    seconds=$((SECONDS - start))
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    echo "$name: ${runs:-?} runs in $seconds s ($((${runs:-0} / (seconds > 0 ? seconds : 1))) a second), nothing found" \
        >"$scratch/$name.report"
    # Saved as soon as the target is done, so a campaign stopped half-way keeps what it found;
    # counted by the edges reached, not how often: a few dozen inputs rather than hundreds. The
    # targets sharing a corpus take turns.
    if [ "$keep" = yes ]; then
        flock tests/fuzz/"$corpus" "$target" -merge=1 -use_counters=0 tests/fuzz/"$corpus" \
            "$scratch/$name" >"$scratch/$name.merge" 2>&1
    fi
}

targets=()
for target in build-fuzz/fuzz/fuzz_*; do [ -x "$target" ] && targets+=("$target"); done
failed=0
for target in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || failed=1; done
    [ "$failed" = 0 ] || break
    fuzz_one "$target" &
done
while [ "$(jobs -rp | wc -l)" -gt 0 ]; do wait -n || failed=1; done
[ "$failed" = 0 ] || exit 1
for target in "${targets[@]}"; do cat "$scratch/$(basename "$target").report"; done
