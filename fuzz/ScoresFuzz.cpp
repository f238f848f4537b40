// The score file reader on any bytes for a grade shape from the first two; with
// JITSU_ROUND_TRIP, the scores read written and read again.
#include <cstring>
#include <memory>

#include "FuzzCheck.h"
#include "TestScores.h"

using namespace jitsu;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const GradeData grade = fuzz::gradeFrom(input);
    auto read = std::make_unique<TestScores>();
    FileHealth health;
    parseScores(input, grade, *read, &health);
    fuzz::useHealth(input, health);
    fuzz::require(health.valuesExpected == scoreFileValues(grade), "the expected count");
#ifdef JITSU_ROUND_TRIP
    const std::string written = formatScores(grade, *read);
    auto again = std::make_unique<TestScores>();
    FileHealth writtenHealth;
    parseScores(written, grade, *again, &writtenHealth);
    fuzz::require(std::memcmp(read->scores, again->scores, sizeof read->scores) == 0,
                  "scores read back as written");
    fuzz::require(writtenHealth.describe().empty(), "a written score file is sound");
#endif
    return 0;
}
