#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "BasicData.h"
#include "FileHealth.h"

// What every fuzz target shares: the check that ends the run on a broken promise, and a grade
// shape taken from the input's first two bytes (0 … 20 classes and subjects, 45 students each).
namespace jitsu::fuzz {

inline void require(bool promise, const char* what) {
    if (promise) return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

inline GradeData gradeFrom(std::string_view& input) {
    GradeData grade;
    if (input.size() < 2) return grade;
    grade.classCount = static_cast<unsigned char>(input[0]) % (kMaxClasses + 1);
    grade.subjectCount = static_cast<unsigned char>(input[1]) % (kMaxSubjects + 1);
    grade.testCount = 1;
    for (int c = 0; c < grade.classes(); ++c) grade.headCounts[c] = kSlots;
    input.remove_prefix(2);
    return grade;
}

// The health of `input` as a reader reports it: every part of the record used once.
inline void useHealth(std::string_view input, FileHealth& health) {
    surveyBytes(input, health);
    const std::string line = health.describe();
    const ShapeFit fit = checkShape(health);
    require(health.damaged() == !line.empty(), "damaged() agrees with describe()");
    require(!fit.fits || fit.found == fit.expected, "a fitting shape has found == expected");
    require(health.badTokenPlaces.size() <= health.badTokens, "no more places than bad tokens");
}

}  // namespace jitsu::fuzz
