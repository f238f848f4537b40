// SPDX-License-Identifier: GPL-3.0-or-later
// The results file reader on any bytes for a grade shape from the first two; with
// JITSU_ROUND_TRIP, the record read written, read again and written again, byte for byte
// (floats are written with six decimals: the first writing fixes them, later ones keep them).
#include "FuzzCheck.h"
#include "ResultsFile.h"
#include "Statistics.h"

using namespace jitsu;

namespace {

#ifdef JITSU_ROUND_TRIP
// A round trip writes the grade's whole shape, 45 slots a class, whatever the input holds, and
// reads it twice: thousands of values a class, each some microseconds under the fuzzer's
// instrumentation. It goes without classes: the values after them (examinees, averages, flags)
// are written and read by the same code as the slots', whose reading the target without the
// round trip checks for every shape.
constexpr fuzz::Shape kShape{0, kMaxSubjects};
#else
constexpr fuzz::Shape kShape{};
#endif

// A record as the results file reader is given one (readResultsFile resets it first).
const GradeResults& resetRecord() {
    static const std::unique_ptr<GradeResults> reset = [] {
        auto r = std::make_unique<GradeResults>();
        resetGradeResults(*r);
        return r;
    }();
    return *reset;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = fuzz::textOf(data, size);
    const GradeData grade = fuzz::gradeFrom(input, kShape);
    fuzz::checkReader<GradeResults>(
        input,
        [&](std::string_view text, GradeResults& r, FileFindings* h) {
            parseResultsFile(text, grade, r, h);
        },
        [&](const GradeResults& r) { return formatResultsFile(grade, r); },
        "results read back as written", true, resetRecord());
    return 0;
}
