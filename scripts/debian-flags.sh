# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the build scripts: sets debian_flags to the CMake arguments that compile and link
# with the distribution's flags from dpkg-buildflags, every hardening feature on (stack
# protector, _FORTIFY_SOURCE, format checks, RELRO and BIND_NOW; PIE is the compiler's default),
# and debug information for the separate debug-symbols package. Debian 12's dpkg-buildflags
# has no control-flow (-fcf-protection) or stack-clash protection yet, which later releases turn
# on and hardening-check looks for: they are added here.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
debian_flags=(
    "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS) -fcf-protection -fstack-clash-protection"
    "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)"
)
