#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks the formatting, builds everything in Release with warnings as
# errors (programs, tests, benchmarks), checks the installed suite (scripts/check-install.sh) and
# printing through a private CUPS scheduler, the Qt-free part built for Windows and tested under
# wine (scripts/windows-test.sh), then runs every test once under AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer (which also replays the fuzz corpora), and, when
# clang is there, every fuzz target for a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
scripts/spdx-headers.sh --check
scripts/build.sh
(cd build && ctest --output-on-failure -j "$(nproc)")  # a few seconds
scripts/check-install.sh
scripts/check-package.sh build
scripts/cups-test.sh build
scripts/windows-test.sh
scripts/build.sh --sanitize
(cd build-asan && ctest --output-on-failure -j "$(nproc)")
if command -v clang++ >/dev/null; then scripts/fuzz.sh 10; fi
