// SPDX-License-Identifier: GPL-3.0-or-later
#include "Era.h"

namespace jitsu {

namespace {

std::string fullWidthDigits(unsigned number) {
    static const char* const kDigits[] = {"０", "１", "２", "３", "４",
                                          "５", "６", "７", "８", "９"};
    std::string text;
    for (char c : std::to_string(number)) text += kDigits[c - '0'];
    return text;
}

}  // namespace

std::string_view eraWord(Era era) { return era == Era::Wareki ? "wareki" : "seireki"; }

std::optional<Era> parseEra(std::string_view word) {
    if (word == "seireki") return Era::Seireki;
    if (word == "wareki") return Era::Wareki;
    return std::nullopt;
}

std::string printedYear(unsigned year, Era era) {
    if (era == Era::Seireki) return std::to_string(year);
    // 令和 began on 1 May 2019, a month into the school year that schools call 令和元年度.
    const bool reiwa = year >= 2019;
    std::string text = reiwa ? "令和" : "平成";
    const unsigned inEra = reiwa ? year - 2018 : year - 1988;
    return text + (inEra == 1 ? std::string("元") : fullWidthDigits(inEra));
}

}  // namespace jitsu
