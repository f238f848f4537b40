#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the jobs that have speed targets as whole processes, on the year that bench_year writes
# (20 subjects, 10 tests; grade 1 of 20 classes, grades 2 and 3 of 10), and prints a table of
# the median wall times and the PDFs' sizes:
#
#   scripts/bench.sh [BUILD [BASELINE [RUNS]]]
#
# BUILD (default: build) is a Release build configured with -DJITSU_BENCH=ON. With BASELINE,
# another build folder (say, of the main branch), every job runs in both, turn about, so that
# both meet the same load, and the table puts them side by side. RUNS (default 7) runs of each.
# The launcher row needs a display (DISPLAY, e.g. an Xvfb) and xdotool; without them it is
# left out. The in-process benchmarks are build/bench/jitsu_bench and build/bench/launcher_bench.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
baseline=${2:+$(realpath "$2")}
runs=${3:-7}
[ -x "$build/bench/bench_year" ] || {
    echo "bench.sh: $build/bench/bench_year is missing: configure with -DJITSU_BENCH=ON" >&2
    exit 2
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
year="$work/year"
"$build/bench/bench_year" "$year"
builds=("$build")
[ -n "$baseline" ] && builds+=("$baseline")

# The jobs: name, goal, command line (after the program).
jobs=(reports history check launcher)
declare -A goal=([reports]="0.8 s" [history]="2 s" [check]="0.1 s" [launcher]="150 ms")
declare -A what=(
    [reports]="reports --pdf, 160 pages, 20 subjects"
    [history]="history --pdf, 450 students"
    [check]="check, a full year"
    [launcher]="launcher to its window")
launcher_row=1
if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null; then
    launcher_row=0
    jobs=(reports history check)
fi

now() { date +%s%N; }

# Runs job $1 once with build folder $2 (index $3); prints milliseconds.
run_job() {
    local job=$1 dir=$2 i=$3 cli="$2/cli/jitsuryoku" start end
    start=$(now)
    case $job in
        reports)
            "$cli" -C "$year" reports --year 2026 --test 10 --grade 1 \
                --pdf "$work/reports-$i.pdf" >/dev/null 2>&1 ;;
        history)
            "$cli" -C "$year" history --year 2026 --grade 2 \
                --pdf "$work/history-$i.pdf" >/dev/null 2>&1 ;;
        check)
            "$cli" -C "$year" check >/dev/null 2>&1 || true ;;
        launcher)
            # Xvfb now and then refuses the launcher's connection while xdotool asks every 5 ms;
            # such a start is tried again, timed afresh, up to three times.
            local pid attempt
            for attempt in 1 2 3; do
                start=$(now)
                HOME="$work/home-$i" "$dir/launcher/launcher" -C "$year" >/dev/null 2>&1 &
                pid=$!
                # Asked every 5 ms: xdotool's own --sync looks only every half second.
                until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
                    kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null; continue 2; }
                    sleep 0.005
                done
                end=$(now)
                kill "$pid"
                wait "$pid" 2>/dev/null || true
                echo $(((end - start) / 1000000))
                return
            done
            echo "bench.sh: $dir/launcher/launcher ended before its window showed, $attempt times" >&2
            exit 1 ;;
    esac
    end=$(now)
    echo $(((end - start) / 1000000))
}

declare -A times
for ((r = 0; r < runs; r++)); do
    for job in "${jobs[@]}"; do
        for i in "${!builds[@]}"; do
            times[$job,$i]+="$(run_job "$job" "${builds[$i]}" "$i") "
        done
    done
done

median() { tr ' ' '\n' | grep . | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
ms() { awk -v m="$1" 'BEGIN { printf (m >= 1000 ? "%.2f s" : "%d ms"), (m >= 1000 ? m / 1000 : m) }'; }

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores; median of $runs runs"
echo
header="| job | goal | $(basename "$(dirname "$build")")/$(basename "$build") |"
rule="|---|---|---|"
if [ -n "$baseline" ]; then
    header+=" $(basename "$(dirname "$baseline")")/$(basename "$baseline") | change |"
    rule+="---|---|"
fi
echo "$header"
echo "$rule"
for job in "${jobs[@]}"; do
    row="| ${what[$job]} | ${goal[$job]} |"
    m0=$(echo "${times[$job,0]}" | median)
    row+=" $(ms "$m0") |"
    if [ -n "$baseline" ]; then
        m1=$(echo "${times[$job,1]}" | median)
        row+=" $(ms "$m1") | $(awk -v a="$m0" -v b="$m1" 'BEGIN { printf "%+.0f %%", (a - b) * 100 / b }') |"
    fi
    echo "$row"
done
for job in reports history; do
    row="| ${job} PDF size | |"
    s0=$(stat -c %s "$work/$job-0.pdf")
    row+=" $((s0 / 1024)) KiB |"
    if [ -n "$baseline" ]; then
        s1=$(stat -c %s "$work/$job-1.pdf")
        row+=" $((s1 / 1024)) KiB | $(awk -v a="$s0" -v b="$s1" 'BEGIN { printf "%+.0f %%", (a - b) * 100 / b }') |"
    fi
    echo "$row"
done
[ "$launcher_row" = 1 ] || echo "(launcher left out: no DISPLAY or no xdotool)"
