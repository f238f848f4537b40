#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs `jitsuryoku results` RUNS times (default 200) on a demo year, killing each run with
# SIGKILL after a random 0-30 ms. After every kill the results file must be whole; at the end
# the temporary files the kills left are aged past the writer's bound (5 minutes) and one more
# save must remove every one of them.
#   scripts/kill-saves.sh [RUNS] [PATH-TO-jitsuryoku]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-200}"
tool="$(realpath "${2:-build/cli/jitsuryoku}")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
year="$work/year"
"$tool" demo "$year" >/dev/null
results=(-C "$year" results --year 2026 --test 1 --grade 3)
"$tool" "${results[@]}" >/dev/null
expected="$work/expected"
cp "$year/JK26_1_3.txt" "$expected"

temporaries() { find "$year" -maxdepth 1 -name '.*.??????' | wc -l; }
killed=0
for ((i = 0; i < runs; i++)); do
    "$tool" "${results[@]}" >/dev/null 2>&1 &
    pid=$!
    sleep "0.0$(printf '%02d' $((RANDOM % 30)))"
    kill -9 "$pid" 2>/dev/null && killed=$((killed + 1)) || true
    wait "$pid" 2>/dev/null || true
    cmp -s "$year/JK26_1_3.txt" "$expected" || { echo "run $i: the results file is not whole"; exit 1; }
done
left="$(temporaries)"
find "$year" -maxdepth 1 -name '.*.??????' -exec touch -d '10 minutes ago' {} +
"$tool" "${results[@]}" >/dev/null
after="$(temporaries)"
echo "$runs runs, $killed killed before they ended; temporary files left: $left; after the next save: $after"
[ "$after" -eq 0 ]
