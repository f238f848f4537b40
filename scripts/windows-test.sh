#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The suite's Qt-free part built for Windows and tested under wine: the cross-built libraries
# (scripts/windows-deps.sh) and a wine prefix, both made once in the cache folder and reused;
# the cross tree in build-windows/ (-O1 and a unity build: quick to compile); every test run under wine in the C
# and the Japanese locale; `jitsuryoku.exe demo` and `results` in a folder named 年度, whose
# files and output (but for the folder's full path) must equal the Linux build's byte for
# byte; and the DLLs the program imports, which must all be Windows' own. Skipped (status 0)
# without the mingw-w64 compiler and wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null || ! command -v wine >/dev/null; then
    echo "windows-test: skipped (needs g++-mingw-w64-x86-64-posix and wine)"
    exit 0
fi
started=$SECONDS
cache="${XDG_CACHE_HOME:-$HOME/.cache}/jitsuryoku-windows"
scripts/windows-deps.sh "$cache/prefix"
echo "windows-test: libraries ready after $((SECONDS - started)) s"

export WINEDEBUG=-all WINEPREFIX="$cache/wine"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1
    wineserver --wait
fi

tree=build-windows
if [ ! -f "$tree/build.ninja" ]; then
    cmake -S . -B "$tree" -G Ninja --toolchain cmake/mingw-w64.cmake \
        -DJITSU_WINDOWS_PREFIX="$cache/prefix" -DJITSU_GUI=OFF -DJITSU_BENCH=OFF \
        -DJITSU_WERROR=ON -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O1 \
        -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=16 >/dev/null
fi
nice cmake --build "$tree" -j2
echo "windows-test: built after $((SECONDS - started)) s"

for lang in C.UTF-8 ja_JP.UTF-8; do
    cmake "$tree" -DJITSU_TEST_LANG="$lang" >/dev/null
    echo "windows-test: the tests under wine, LANG=$lang"
    # The summary when all pass; everything the failing tests said when one fails.
    if ! ctest --test-dir "$tree" --output-on-failure -j 2 >"$tree/ctest-$lang.log" 2>&1; then
        cat "$tree/ctest-$lang.log"
        exit 1
    fi
    tail -n 3 "$tree/ctest-$lang.log"
done

# The same year made and computed by both builds, in a folder whose name is not ASCII.
linux_tool="$root/build/cli/jitsuryoku"
[ -x "$linux_tool" ] || nice cmake --build build -j2 --target jitsuryoku >/dev/null
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
run_year() {  # folder, then the command that runs the tool
    local dir="$1"
    shift
    mkdir -p "$dir"
    (
        cd "$dir"
        "$@" demo 年度 --force
        for grade in 1 2 3; do "$@" -C 年度 results --year 2026 --test 2 --grade "$grade"; done
    ) >"$dir/output.txt" 2>&1
    # Paths are shown in the system's style, "\" on Windows: compared as "/". demo names the
    # folder it wrote by its full path, which wine sees on drive Z:.
    sed -i -e 's|\\|/|g' -e "s|Z:$dir/|DIR/|g" -e "s|$dir/|DIR/|g" "$dir/output.txt"
    # Only the files of the year: the lock file and the versions' time-stamped names differ.
    rm -rf "$dir/年度/.jitsuryoku.lock" "$dir/年度/.jitsuryoku-versions"
}
run_year "$work/linux" "$linux_tool"
run_year "$work/windows" wine "$root/$tree/cli/jitsuryoku.exe"
if ! diff -r "$work/linux" "$work/windows"; then
    echo "windows-test: jitsuryoku.exe's output or files differ from the Linux build's" >&2
    exit 1
fi
echo "windows-test: jitsuryoku.exe demo and results: the same bytes as on Linux"

# An installed jitsuryoku.exe finds its Japanese catalogue (bin/../share/locale) and, on a PC
# that sets none of the locale's variables, speaks the language the system speaks: wine takes
# it from the Linux locale it runs in, and cmd removes the variables wine passes on.
# The build tree's catalogue, which a program run from the tree finds, is put aside meanwhile.
cmake --install "$tree" --prefix "$work/installed" >/dev/null
exe="$(winepath -w "$work/installed/bin/jitsuryoku.exe" 2>/dev/null)"
missing="$(winepath -w "$work/missing" 2>/dev/null)"
mv "$tree/locale" "$work/locale"
trap '[ ! -d "$work/locale" ] || mv "$work/locale" "$root/$tree/locale"; rm -rf "$work"' EXIT
for expected in "C.UTF-8 error: " "ja_JP.UTF-8 エラー: "; do
    lang="${expected%% *}"
    said="$(LANG="$lang" LC_ALL= LC_MESSAGES= wine cmd /c \
        "set LANG=&& set LC_ALL=&& set LC_MESSAGES=&& $exe -C $missing check" 2>&1 || true)"
    if [[ "$said" != "${expected#* }"* ]]; then
        echo "windows-test: the installed jitsuryoku.exe, the system in $lang, said: $said" >&2
        exit 1
    fi
done
mv "$work/locale" "$tree/locale"
echo "windows-test: the installed jitsuryoku.exe speaks the system's language"

# Windows' own DLLs only: the C and C++ runtimes and the libraries are linked in.
allowed=" KERNEL32.dll msvcrt.dll SHELL32.dll ADVAPI32.dll "
for dll in $(x86_64-w64-mingw32-objdump -p "$tree/cli/jitsuryoku.exe" | awk '/DLL Name:/ { print $3 }'); do
    if [[ "$allowed" != *" $dll "* ]]; then
        echo "windows-test: jitsuryoku.exe needs $dll, which Windows does not have" >&2
        exit 1
    fi
done
echo "windows-test: passed in $((SECONDS - started)) s"
