// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "BasicData.h"
#include "GradeResults.h"
#include "Limits.h"
#include "PrintScale.h"
#include "Roster.h"

namespace jitsu::summaryprint {

// Per-class, per-slot figures of one subject or one combination.
using SlotValues = std::int32_t[kMaxClasses][kSlots];
using SlotDeviations = float[kMaxClasses][kSlots];

// What the three lists of a grade read: the school year, the grade's roster (with its class
// ranges) and results, the selected test and the two magnifications.
struct SummaryGrade {
    const BasicData& data;
    int grade;  // 1 … 3
    int test;   // 1 … 10
    const GradeRoster& roster;
    const GradeResults& results;
    PrintScale scale;

    const GradeData& gradeData() const { return data.grades[grade - 1]; }
};

// The computed combinations (flag 1), by index, in the lists' display order.
std::vector<int> computedCombinations(const GradeResults& results);

}  // namespace jitsu::summaryprint
