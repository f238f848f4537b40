#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes common/Cp932Table.cpp: code page 932 as Windows reads it (the code page the school's
# other programs write), from Python's cp932 decoder, which follows Windows' table. (Its encoder
# does not: for a character with two codes it prefers NEC's copy of the IBM extensions, Windows
# the IBM one; the suite's encoder takes Windows' order itself.) Run once; the
# output is committed, and tests/common/Cp932TableTest.cpp checks it against every byte sequence.
#   scripts/generate-cp932-table.py > common/Cp932Table.cpp
LEADS = list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD))
TRAILS = range(0x40, 0xFD)
# Characters Windows has no exact byte for, written as its best-fit conversion writes them and as
# Linux input methods type them (the wave dash, the minus sign, the yen sign...). Reading gives
# back the character the bytes stand for, so these go one way only.
BEST_FIT = {0x00A2: b"\x81\x91", 0x00A3: b"\x81\x92", 0x00A5: b"\x5c", 0x00AC: b"\x81\xca",
            0x2014: b"\x81\x5c", 0x2016: b"\x81\x61", 0x203E: b"\x7e", 0x2212: b"\x81\x7c",
            0x301C: b"\x81\x60"}


def decode(raw):
    try:
        text = raw.decode("cp932")
    except UnicodeDecodeError:
        return None
    return ord(text) if len(text) == 1 else None


def rows(values, per_line):
    for start in range(0, len(values), per_line):
        yield "    " + " ".join(values[start:start + per_line])


single = []
for byte in range(256):
    point = None if byte in LEADS else decode(bytes([byte]))
    single.append("0xFFFF," if point is None else f"0x{point:04X},")
double = [f"0x{decode(bytes([lead, trail])) or 0:04X}," for lead in LEADS for trail in TRAILS]
best_fit = [f"{{0x{point:04X}, 0x{int.from_bytes(code, 'big'):04X}}},"
            for point, code in sorted(BEST_FIT.items())]

print(f"""// SPDX-License-Identifier: GPL-3.0-or-later
// Written by scripts/generate-cp932-table.py; do not edit.
#include "Cp932Table.h"

// clang-format off
namespace jitsu::cp932 {{

const std::uint16_t kSingle[256] = {{
{chr(10).join(rows(single, 12))}
}};

const std::uint16_t kDouble[kLeadCount][kTrailCount] = {{
{chr(10).join(rows(double, 12))}
}};

const CodePair kBestFit[{len(best_fit)}] = {{
{chr(10).join(rows(best_fit, 5))}
}};

}}  // namespace jitsu::cp932""")
