// SPDX-License-Identifier: GPL-3.0-or-later
// The roster reader on any bytes; with JITSU_ROUND_TRIP, the entries read written one to a
// line ("number,name"), up to the last one that holds anything, and read again.
#include "FuzzCheck.h"
#include "Roster.h"

using namespace jitsu;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::checkReader<GradeRoster>(
        fuzz::textOf(data, size),
        [](std::string_view text, GradeRoster& r, FileFindings* h) { parseRoster(text, r, h); },
        [](const GradeRoster& r) {
            // Up to the last entry read: the entries after it stay empty either way.
            int entries = kRosterEntries;
            while (entries > 0 && r.numberAt(entries - 1).empty() && r.nameAt(entries - 1).empty())
                --entries;
            std::string written;
            for (int i = 0; i < entries; ++i)
                written += std::string(r.numberAt(i).bytes()) + "," +
                           std::string(r.nameAt(i).bytes()) + "\n";
            return written;
        },
        "roster entries read back as written");
    return 0;
}
