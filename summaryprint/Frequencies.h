// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "Limits.h"
#include "Printer.h"
#include "SummaryGrade.h"

namespace jitsu::summaryprint {

// An inclusive range of values; empty when low is above high.
struct ScoreBand {
    long long low = 0;
    long long high = 0;
};

inline constexpr int kScoreBands = 41;

// The bands of a page with full marks F: band 0 is [F, F + 1]; band i = 1 … 40 starts at
// ⌊F × (40 − i) ÷ 40⌋ and ends below the start of band i − 1, so the lowest starts at 0.
std::array<ScoreBand, kScoreBands> scoreBands(long long fullMarks);

// Full marks per discipline number (index 1 … 5) in test number `test`: for every subject given
// in that test, in subject order, its full marks become its discipline's, so the last subject of
// a discipline decides. A discipline without a given subject counts 0.
std::array<long long, kDisciplines + 1> disciplineFullMarks(const GradeData& grade, int test);

// A combination's full marks: the sum over its member disciplines.
long long combinationFullMarks(const std::array<long long, kDisciplines + 1>& byDiscipline,
                               int combination);

// The frequency distributions ("クラス別度数分布") of the grade: a page per subject with
// examinees, then a page per computed combination (display order, also without examinees).
void printFrequencies(Printer& printer, const SummaryGrade& job);

// One page: per class a grey bar per band (15 units per student) with its count, the class's
// students and average below; the grade column with red bars (10 units per student) and the
// grade's `examinees` and `average` as given. Ends in a page break. Only slots below a class's
// head count (at most 45) are counted.
void printFrequencyPage(Printer& printer, const SummaryGrade& job, std::string_view label,
                        long long fullMarks, const SlotValues& values, float average,
                        std::int32_t examinees);

}  // namespace jitsu::summaryprint
