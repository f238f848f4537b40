#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs the main job on the bundled demo school year in
# demo-year/: the check lists of test 2, then the individual reports of test 2 — in the
# reportcard window when a display is available, otherwise headless to PDF.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
root="$PWD"
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then  # Qt warns without one
    export XDG_RUNTIME_DIR="$root/build/runtime"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi
year="$root/demo-year"
jitsuryoku() { "$root/build/cli/jitsuryoku" -C "$year" "$@"; }
"$root/build/cli/jitsuryoku" demo "$year" --force
# The check lists of test 2, one PDF per grade.
for grade in 1 2 3; do
    jitsuryoku checklists --year 2026 --test 2 --grade "$grade" --place 職員室 \
        --pdf "checklists-$grade.pdf"
done
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    echo "opening reportcard in $year: choose 第２回, press ＯＫ, then 実行"
    cd "$year"
    exec "$root/build/reportcard/reportcard"
fi
# No display: the same job headless: the results files and the reports of every grade, and the
# summary tables printed from the results files.
for grade in 1 2 3; do
    jitsuryoku results --year 2026 --test 2 --grade "$grade"
    jitsuryoku reports --year 2026 --test 2 --grade "$grade" --pdf "reports-$grade.pdf"
    jitsuryoku summary --year 2026 --test 2 --grade "$grade" --pdf "summary-$grade.pdf"
done
echo "individual reports of test 2: $year/reports-1.pdf to reports-3.pdf (A4)"
echo "summary tables: $year/summary-1.pdf to summary-3.pdf (A4)"
echo "check lists: $year/checklists-1.pdf to checklists-3.pdf (B4)"
