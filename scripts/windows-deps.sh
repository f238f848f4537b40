#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the libraries the suite's Qt-free part needs for Windows (zlib, expat, libzip,
# libxlsxwriter from Debian's source packages; GoogleTest from /usr/src/googletest) into
# PREFIX, static, once: a library already there is not built again. Usage: windows-deps.sh PREFIX
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
prefix="$1"
work="$(dirname "$prefix")/sources"
toolchain="$root/cmake/mingw-w64.cmake"
host=x86_64-w64-mingw32
mkdir -p "$prefix" "$work"

# apt-get source needs deb-src entries; Debian 12 lists only binary ones by default.
ensure_sources() {
    if ! apt-get source --print-uris zlib >/dev/null 2>&1; then
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        # The main archive's stanza alone: the security archive keeps no sources of older fixes.
        awk 'BEGIN { RS = ""; ORS = "\n\n" } NR == 1' /etc/apt/sources.list.d/debian.sources |
            sed -e 's/^Types: deb$/Types: deb-src/' | $sudo tee /etc/apt/sources.list.d/jitsuryoku-sources.sources >/dev/null
        $sudo apt-get update -qq
    fi
}

# The unpacked source of Debian package $1, in $work (fetched once).
source_of() {
    local dir
    dir="$(find "$work" -maxdepth 1 -type d -name "$1-*" | head -n 1)"
    if [ -z "$dir" ]; then
        ensure_sources
        (cd "$work" && apt-get source -qq "$1" 2>&1 | grep -v unsandboxed >&2 || true)
        dir="$(find "$work" -maxdepth 1 -type d -name "$1-*" | head -n 1)"
    fi
    echo "$dir"
}

cmake_install() {  # source folder, then CMake options
    local src="$1"
    shift
    cmake -S "$src" -B "$src/build-windows" -G Ninja --toolchain "$toolchain" \
        -DJITSU_WINDOWS_PREFIX="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DCMAKE_POLICY_DEFAULT_CMP0074=NEW \
        -Wno-dev "$@" >"$src/configure-windows.log" 2>&1 || { tail -n 30 "$src/configure-windows.log"; exit 1; }
    nice cmake --build "$src/build-windows" -j2 >"$src/build-windows.log" ||
        { tail -n 30 "$src/build-windows.log"; exit 1; }
    cmake --install "$src/build-windows" >/dev/null
}

if [ ! -f "$prefix/lib/libz.a" ]; then
    echo "windows: building zlib"
    src="$(source_of zlib)"
    # Debian's source leaves out zlib's Windows makefile: the library is its C files.
    rm -rf "$src/build-windows" && mkdir "$src/build-windows"
    (cd "$src/build-windows" && nice "$host-gcc-posix" -O2 -c ../{adler32,compress,crc32,deflate,gzclose,gzlib,gzread,gzwrite,infback,inffast,inflate,inftrees,trees,uncompr,zutil}.c &&
        "$host-ar" rcs libz.a ./*.o)
    install -D -m 644 "$src/build-windows/libz.a" "$prefix/lib/libz.a"
    install -m 644 "$src/zlib.h" "$src/zconf.h" -D -t "$prefix/include"
    mkdir -p "$prefix/lib/pkgconfig"
    printf 'prefix=%s\nName: zlib\nDescription: zlib\nVersion: 1.2.13\nLibs: -L${prefix}/lib -lz\nCflags: -I${prefix}/include\n' \
        "$prefix" >"$prefix/lib/pkgconfig/zlib.pc"
fi
if [ ! -f "$prefix/lib/libexpat.a" ]; then
    echo "windows: building expat"
    cmake_install "$(source_of expat)/expat" -DEXPAT_SHARED_LIBS=OFF -DEXPAT_BUILD_TOOLS=OFF \
        -DEXPAT_BUILD_EXAMPLES=OFF -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF \
        -DEXPAT_DTD=OFF
fi
if [ ! -f "$prefix/lib/libzip.a" ]; then
    echo "windows: building libzip"
    cmake_install "$(source_of libzip)" -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF \
        -DENABLE_GNUTLS=OFF -DENABLE_OPENSSL=OFF -DENABLE_MBEDTLS=OFF -DENABLE_COMMONCRYPTO=OFF \
        -DENABLE_WINDOWS_CRYPTO=OFF -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF \
        -DBUILD_DOC=OFF -DZLIB_ROOT="$prefix"
fi
if [ ! -f "$prefix/lib/libxlsxwriter.a" ]; then
    echo "windows: building libxlsxwriter"
    cmake_install "$(source_of libxlsxwriter)" -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF \
        -DZLIB_ROOT="$prefix"
fi
if [ ! -f "$prefix/lib/libgtest.a" ]; then
    echo "windows: building GoogleTest"
    rm -rf "$work/googletest-build"
    cmake -S /usr/src/googletest -B "$work/googletest-build" -G Ninja --toolchain "$toolchain" \
        -DJITSU_WINDOWS_PREFIX="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF >/dev/null
    nice cmake --build "$work/googletest-build" -j2 >/dev/null
    cmake --install "$work/googletest-build" >/dev/null
fi
