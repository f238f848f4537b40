# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the suite's Qt-free part for 64-bit Windows with Debian's mingw-w64 (the POSIX
# thread model, for std::thread), running what it builds under wine. JITSU_WINDOWS_PREFIX names
# the folder that holds the cross-built libraries (scripts/windows-test.sh makes it).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(JITSU_WINDOWS_PREFIX "" CACHE PATH "The cross-built libraries' install prefix")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES JITSU_WINDOWS_PREFIX)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${JITSU_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Else pkg-config silently answers with the Linux libraries.
set(ENV{PKG_CONFIG_LIBDIR} "${JITSU_WINDOWS_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")

# No MinGW DLL beside the programs: the C and C++ runtimes and the thread library go in whole.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_CROSSCOMPILING_EMULATOR wine)

# The libraries are static (scripts/windows-deps.sh): their headers must not ask for DLL imports,
# and pkg-config must name what they need in turn (zlib).
set(CMAKE_C_FLAGS_INIT "-DZIP_STATIC -DXML_STATIC")
set(CMAKE_CXX_FLAGS_INIT "-DZIP_STATIC -DXML_STATIC")
set(PKG_CONFIG_ARGN --static)
