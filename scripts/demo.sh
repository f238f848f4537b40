#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job on the bundled demo school year in
# demo-year/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
year="$PWD/demo-year"
build/cli/jitsuryoku demo "$year" --force
# The check lists of test 2, one PDF per grade.
for grade in 1 2 3; do
    build/cli/jitsuryoku -C "$year" checklists --year 2026 --test 2 --grade "$grade" --place 職員室 \
        --pdf "checklists-$grade.pdf"
done
# The results of test 2 of every grade, and the summary tables printed from them.
for grade in 1 2 3; do
    build/cli/jitsuryoku -C "$year" results --year 2026 --test 2 --grade "$grade"
    build/cli/jitsuryoku -C "$year" summary --year 2026 --test 2 --grade "$grade" --pdf "summary-$grade.pdf"
done
