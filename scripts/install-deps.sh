#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages the suite needs to build, test and run; does nothing when
# they are all there already.
set -euo pipefail
packages=(
    cmake ninja-build g++ pkg-config clang-format
    qt6-base-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-morisawa-bizud-gothic fonts-ipafont-gothic poppler-utils qt6-translations-l10n
    cups cups-client cups-bsd
    libxlsxwriter-dev libzip-dev libexpat1-dev python3-openpyxl python3-jsonschema
    desktop-file-utils appstream dpkg-dev file lintian devscripts bash-completion
    gettext libc-l10n
    g++-mingw-w64-x86-64-posix wine wine64
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
