#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Rewrites the golden files under tests/data/ from what the code produces now, then shows the
# difference to review. Arguments go to ctest (e.g. -R common_tests).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
(cd build && JITSU_UPDATE_GOLDEN=1 QT_QPA_PLATFORM=offscreen ctest "$@" >/dev/null || true)
git status --short tests/data
git --no-pager diff --stat tests/data
