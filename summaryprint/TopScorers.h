// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "Printer.h"
#include "SummaryGrade.h"

namespace jitsu::summaryprint {

// Where the next block of the top-scorer lists goes: two blocks per page, left then right.
struct TopScorerBlocks {
    int blockX = 0;     // 0 (left half) or 2200 (right half)
    int blockSide = 0;  // 0 left, 1 right
};

// The top-scorer lists of the grade: one list per computed combination (display order), then
// one per subject with examinees, each showing the students ranked within the top quarter
// (examinees ÷ 4). Lists follow each other half-page by half-page; the job is left on a fresh
// page.
void printTopScorers(Printer& printer, const SummaryGrade& job);

// One list, in blocks of 50 rank values: label and summary in its first block, headings in
// every block, the students of each rank in class and slot order. Advances `blocks` after every
// block, breaking the page after a right-half one.
void printTopScorerBlock(Printer& printer, const SummaryGrade& job, TopScorerBlocks& blocks,
                         std::string_view label, const SlotDeviations& deviations,
                         const SlotValues& values, const SlotValues& ranks, float average,
                         std::int32_t examinees);

}  // namespace jitsu::summaryprint
