// SPDX-License-Identifier: GPL-3.0-or-later
// The score file reader on any bytes for a grade shape from the first two; with
// JITSU_ROUND_TRIP, the scores read written and read again, the written file sound.
#include "FuzzCheck.h"
#include "TestScores.h"

using namespace jitsu;

namespace {

#ifdef JITSU_ROUND_TRIP
// A round trip writes the grade's whole shape, 45 slots a class, whatever the input holds, and
// reads it twice: one class of up to five subjects goes through the same code as twenty of
// twenty, in a small part of the time.
constexpr fuzz::Shape kShape{1, 5};
#else
constexpr fuzz::Shape kShape{};
#endif

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = fuzz::textOf(data, size);
    const GradeData grade = fuzz::gradeFrom(input, kShape);
    const fuzz::Healths health = fuzz::checkReader<TestScores>(
        input,
        [&](std::string_view text, TestScores& s, FileFindings* h) {
            parseScores(text, grade, s, h);
        },
        [&](const TestScores& s) { return formatScores(grade, s); }, "scores read back as written");
    fuzz::require(health.read.valuesExpected == scoreFileValues(grade), "the expected count");
#ifdef JITSU_ROUND_TRIP
    fuzz::require(health.written.describe().empty(), "a written score file is sound");
#endif
    return 0;
}
