// What the readers report besides their records: one table of files and the line a person reads.
#include <gtest/gtest.h>

#include "BasicData.h"
#include "Fixtures.h"
#include "ResultsFile.h"
#include "Roster.h"
#include "Statistics.h"
#include "TempDir.h"
#include "TestScores.h"
#include "TextFile.h"

using namespace jitsu;

namespace {

enum class Kind { Scores, Basic, Roster, Results };

struct HealthCase {
    const char* name;
    Kind kind;
    std::string bytes;
    std::string finding;  // FileHealth::describe()
};

void PrintTo(const HealthCase& c, std::ostream* os) { *os << c.name; }

// n score values of "7 ", three to a line.
std::string values(std::size_t n, const char* lineEnd = "\r\n") {
    std::string out;
    for (std::size_t i = 0; i < n; ++i) out += (i % 3 == 2) ? std::string("7 ") + lineEnd : "7 ";
    return out;
}

std::string basicWith(const std::string& counts) { return "S T 2026 N " + counts; }

FileHealth readWithHealth(const HealthCase& c) {
    TempDir dir;
    const auto f = dir / "f.txt";
    writeBytes(f, c.bytes);
    const GradeData grade = makeGrade(1, 45, 3);  // 135 score values
    FileHealth h;
    const Status status =
        c.kind == Kind::Scores   ? readScores(f, grade, *std::make_unique<TestScores>(), &h)
        : c.kind == Kind::Basic  ? readBasicData(f, *std::make_unique<BasicData>(), &h)
        : c.kind == Kind::Roster ? readRoster(f, *std::make_unique<GradeRoster>(), &h)
                                 : readResultsFile(f, grade, *std::make_unique<GradeResults>(), &h);
    EXPECT_TRUE(status) << status.reason();
    return h;
}

class ReaderHealth : public ::testing::TestWithParam<HealthCase> {};

}  // namespace

TEST_P(ReaderHealth, TellsWhatItSaw) {
    FileHealth health = readWithHealth(GetParam());
    EXPECT_EQ(health.describe(), GetParam().finding);
    EXPECT_EQ(health.damaged(), !GetParam().finding.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReaderHealth,
    ::testing::Values(
        HealthCase{"SoundScores", Kind::Scores, values(135), ""},
        HealthCase{"SoundScoresLfOnly", Kind::Scores, values(135, "\n"), ""},
        HealthCase{"EmptyScores", Kind::Scores, "", "empty"},
        HealthCase{"TruncatedScores", Kind::Scores, values(100), "truncated: 100 of 135 values"},
        HealthCase{"ScoresOfAnotherShape", Kind::Scores, values(180),
                   "written for another shape: 180 values, 135 expected"},
        HealthCase{"StrayLetters", Kind::Scores, "7 7 7 \r\n7 x 7 \r\n7 7 y \r\n" + values(126),
                   "2 tokens that are not numbers from line 2, column 3"},
        HealthCase{"DigitsThenLetters", Kind::Scores, "7 7 7 \r\n12ab " + values(131),
                   "1 token that is not a number from line 2, column 3"},
        HealthCase{
            "NulBytes", Kind::Scores, std::string(10, '\0'),
            "bytes that are not CP932 text; truncated: 1 of 135 values; 1 token that is not a "
            "number from line 1, column 1"},
        HealthCase{"ClampedCount", Kind::Basic, basicWith("999"),
                   "grade 1 class count 999 clamped to 20; truncated: 5 of 53 values"},
        HealthCase{"NegativeCount", Kind::Basic, basicWith("0 0 0 -1"),
                   "grade 2 class count -1 clamped to 20; truncated: 8 of 53 values"},
        HealthCase{"BasicDataWithAWord", Kind::Basic, basicWith("three 0 0 0 0 0 0 0"),
                   "1 token that is not a number from line 1, column 12"},
        HealthCase{"EmptyBasicData", Kind::Basic, "", "empty"},
        HealthCase{"SoundRoster", Kind::Roster, "10101,\x8E\x52\x93\x63\r\n10102,B\r\n", ""},
        HealthCase{"CrOnlyRoster", Kind::Roster, "10101,A\r10102,B\r", "CR-only line ends"},
        HealthCase{"Utf8Roster", Kind::Roster, "10101,\xE6\x9D\xBE\xE6\x9C\xAC\r\n",
                   "the text is UTF-8, not CP932"},
        HealthCase{"EmptyResults", Kind::Results, "", "empty"},
        HealthCase{"TruncatedResults", Kind::Results, "1 2 3 ", "truncated: 3 of 1653 values"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShapeCheck, CountsFoundAgainstExpected) {
    for (std::size_t n : {135, 90, 180}) {
        FileHealth health;
        parseScores(values(n), makeGrade(1, 45, 3), *std::make_unique<TestScores>(), &health);
        const ShapeFit fit = checkShape(health);
        EXPECT_EQ(std::tuple(fit.fits, fit.found, fit.expected), std::tuple(n == 135, n, 135u));
    }
}
