#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the readers' libFuzzer targets with clang into build-fuzz/ and runs each on a scratch
# copy of its seed corpus under tests/fuzz/, as many side by side as there are cores (JOBS
# overrides). Prints each target's run count, time and runs a second; a crash stops the others,
# with the input saved in build-fuzz/crashes/.
#   scripts/fuzz.sh            the campaign: ten million runs per reader, corpora saved
#   scripts/fuzz.sh 600        ten minutes per target, the tree left as it is
# The campaign shares each reader's ten million runs (RUNS overrides the count) equally among
# the targets that read its corpus (the reader alone and its round trip). It runs in rounds of a
# million (ROUND overrides); after each round what the target found that reaches new code (new
# edges; how often they run does not count) is merged into tests/fuzz/, smallest inputs first,
# and its runs are added to tests/fuzz/runs.txt. A campaign stopped half-way therefore keeps
# what it found and its count, and the next one goes on where it stopped; one that finds every
# target at its share runs nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -gt 0 ]; then
    seconds_each=$1
    campaign=no
else
    campaign=yes
fi
jobs=${JOBS:-$(nproc)}
ledger=tests/fuzz/runs.txt
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
[ "$campaign" = no ] || touch "$ledger"

targets=()
for target in build-fuzz/fuzz/fuzz_*; do [ -x "$target" ] && targets+=("$target"); done

# The saved corpus a target reads: fuzz_scores and fuzz_scores_round_trip both read scores.
corpus_of() {
    local name
    name="$(basename "$1")"
    name="${name#fuzz_}"
    echo "${name%_round_trip}"
}

# The runs the ledger counts for target NAME.
runs_done() {
    awk -v name="$1" '$1 == name { print $2; found = 1 } END { if (!found) print 0 }' "$ledger"
}

# Adds RUNS to target NAME's count; the targets running side by side take turns.
count_runs() {
    local name=$1 runs=$2
    (
        flock 9
        awk -v name="$name" -v runs="$runs" '
            $1 == name { $2 += runs; found = 1 } { print }
            END { if (!found) print name, runs }' "$ledger" | sort >"$ledger.new"
        mv "$ledger.new" "$ledger"
    ) 9>>"$ledger"
}

# Runs one target; its report line goes to $scratch/NAME.report, its exit status is its own.
fuzz_one() {
    local target=$1 name corpus log start runs=0 share round executed
    name="$(basename "$target")"
    corpus="$(corpus_of "$target")"
    mkdir -p "$scratch/$name"
    cp tests/fuzz/"$corpus"/* "$scratch/$name/"
    log="$scratch/$name.log"
    start=$SECONDS
    if [ "$campaign" = yes ]; then
        share=$((${RUNS:-10000000} / $(for t in "${targets[@]}"; do corpus_of "$t"; done |
            grep -cx "$corpus")))
    fi
    while :; do
        if [ "$campaign" = yes ]; then
            round=$((share - $(runs_done "$name")))
            [ "$round" -gt 0 ] || break
            [ "$round" -le "${ROUND:-1000000}" ] || round=${ROUND:-1000000}
            limit=(-runs="$round")
        else
            limit=(-max_total_time="$seconds_each")
        fi
        if ! "$target" "${limit[@]}" -print_final_stats=1 \
            -artifact_prefix=build-fuzz/crashes/"$name"- "$scratch/$name" >"$log" 2>&1; then
            tail -40 "$log"
            echo "$name: FAILED (input in build-fuzz/crashes/)"
            return 1
        fi
        executed="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
        runs=$((runs + ${executed:-0}))
        [ "$campaign" = yes ] || break
        # Counted by the edges reached, not how often: a few dozen inputs rather than hundreds.
        # The targets sharing a corpus take turns.
        flock tests/fuzz/"$corpus" "$target" -merge=1 -use_counters=0 tests/fuzz/"$corpus" \
            "$scratch/$name" >"$scratch/$name.merge" 2>&1
        count_runs "$name" "$executed"
    done
    local seconds=$((SECONDS - start)) total=""
    [ "$campaign" = no ] || total=", $(runs_done "$name") of $share in all"
    echo "$name: $runs runs in $seconds s ($((runs / (seconds > 0 ? seconds : 1))) a second)$total, nothing found" \
        >"$scratch/$name.report"
}

failed=0
for target in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || failed=1; done
    [ "$failed" = 0 ] || break
    fuzz_one "$target" &
done
while [ "$(jobs -rp | wc -l)" -gt 0 ]; do wait -n || failed=1; done
[ "$failed" = 0 ] || exit 1
for target in "${targets[@]}"; do cat "$scratch/$(basename "$target").report"; done
