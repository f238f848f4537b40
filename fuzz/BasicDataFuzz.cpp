// SPDX-License-Identifier: GPL-3.0-or-later
// The basic data reader on any bytes; with JITSU_ROUND_TRIP, what it read written and read again.
#include "BasicData.h"
#include "FuzzCheck.h"

using namespace jitsu;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A sound file has every field its counts call for; the writer keeps them all but the
    // roster tag, which it always writes as "N". A damaged one may miss fields: no promise.
    fuzz::checkReader<BasicData>(
        fuzz::textOf(data, size),
        [](std::string_view text, BasicData& d, FileFindings* h) { parseBasicData(text, d, h); },
        [](const BasicData& d) { return formatBasicData(textsOf(d)); },
        "basic data reads back as written", false);
    return 0;
}
