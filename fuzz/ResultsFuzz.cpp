// The results file reader on any bytes for a grade shape from the first two; with
// JITSU_ROUND_TRIP, the record read written, read again and written again, byte for byte.
#include <memory>

#include "FuzzCheck.h"
#include "GradeResults.h"
#include "ResultsFile.h"
#include "Statistics.h"

using namespace jitsu;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const GradeData grade = fuzz::gradeFrom(input);
    auto read = std::make_unique<GradeResults>();
    resetGradeResults(*read);
    FileHealth health;
    parseResultsFile(input, grade, *read, &health);
    fuzz::useHealth(input, health);
#ifdef JITSU_ROUND_TRIP
    // Floats are written with six decimals: the first writing fixes them, later ones keep them.
    const std::string written = formatResultsFile(grade, *read);
    auto again = std::make_unique<GradeResults>();
    resetGradeResults(*again);
    parseResultsFile(written, grade, *again);
    fuzz::require(formatResultsFile(grade, *again) == written, "results read back as written");
#endif
    return 0;
}
