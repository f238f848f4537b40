#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build (which replays the
# fuzz corpora), then the test programs again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then, when clang is there, every fuzz target for a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
scripts/build.sh
(cd build && ctest --output-on-failure -j "$(nproc)")
scripts/build.sh --sanitize
(cd build-asan && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j "$(nproc)")
if command -v clang++ >/dev/null; then scripts/fuzz.sh 10; fi
