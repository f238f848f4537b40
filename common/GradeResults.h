// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "Limits.h"

namespace jitsu {

// The statistics of one grade in one test. Arrays are indexed [subject or combination][class]
// [slot], combinations in index order. This record is large (about 330 KB): hold it on the heap.
struct GradeResults {
    std::int32_t scores[kMaxSubjects][kMaxClasses][kSlots];
    float subjectDeviations[kMaxSubjects][kMaxClasses][kSlots];
    std::int32_t subjectRanks[kMaxSubjects][kMaxClasses][kSlots];
    std::int32_t comboTotals[kCombinations][kMaxClasses][kSlots];
    float comboDeviations[kCombinations][kMaxClasses][kSlots];
    std::int32_t comboRanks[kCombinations][kMaxClasses][kSlots];
    std::int32_t subjectExaminees[kMaxSubjects];
    float subjectAverages[kMaxSubjects];
    std::int32_t comboExaminees[kCombinations];
    float comboAverages[kCombinations];
    std::int32_t comboFlags[kCombinations];
    double subjectStdDevs[kMaxSubjects];
    double comboStdDevs[kCombinations];
};

}  // namespace jitsu
