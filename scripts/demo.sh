#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job on the bundled demo school year in
# demo-year/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
year="$PWD/demo-year"
build/cli/jitsuryoku demo "$year" --force
