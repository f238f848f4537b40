#include <gtest/gtest.h>

#include "Combinations.h"
#include "Fixtures.h"
#include "Frequencies.h"

using namespace jitsu;
using namespace jitsu::summaryprint;

struct BandCase {
    long long fullMarks;
    std::vector<std::tuple<int, long long, long long>> bands;  // band, low, high
};

void PrintTo(const BandCase& c, std::ostream* os) { *os << "F = " << c.fullMarks; }

class ScoreBands : public testing::TestWithParam<BandCase> {};

TEST_P(ScoreBands, DivideFullMarksIntoFortiethsBelowTheTopBand) {
    const BandCase c = GetParam();
    auto bands = scoreBands(c.fullMarks);
    for (auto [i, low, high] : c.bands) {
        EXPECT_EQ(bands[i].low, low) << "band " << i;
        EXPECT_EQ(bands[i].high, high) << "band " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    FullMarks, ScoreBands,
    testing::Values(
        BandCase{100,
                 {{0, 100, 101},
                  {1, 97, 99},
                  {2, 95, 96},
                  {3, 92, 94},
                  {4, 90, 91},
                  {39, 2, 4},
                  {40, 0, 1}}},
        BandCase{500, {{0, 500, 501}, {1, 487, 499}, {2, 475, 486}, {3, 462, 474}, {40, 0, 11}}},
        BandCase{50, {{1, 48, 49}, {2, 47, 47}, {5, 43, 44}, {40, 0, 0}}},
        BandCase{0, {{0, 0, 1}, {1, 0, -1}, {40, 0, -1}}}));

TEST(ScoreBands, BelowFortySomeBandsAreEmpty) {
    auto bands = scoreBands(30);
    EXPECT_EQ(bands[4].low, 27);
    EXPECT_EQ(bands[4].high, 26);
    for (int i = 1; i <= 40; ++i) EXPECT_EQ(bands[i].low > bands[i].high, i % 4 == 0) << i;
}

TEST(DisciplineFullMarks, TheLastGivenSubjectOfADisciplineDecides) {
    GradeData grade = makeGrade(1, 1, 5, 2);
    grade.disciplineNumbers[3] = 3;  // subjects 2 and 3 are both mathematics
    grade.fullMarks[1][2] = 100;
    grade.fullMarks[1][3] = 50;
    grade.fullMarks[1][4] = 0;  // social studies is not given in test 2
    grade.fullMarks[0][3] = 0;  // and in test 1 the second mathematics subject is not
    auto test2 = disciplineFullMarks(grade, 2);
    EXPECT_EQ(test2[1], 100);
    EXPECT_EQ(test2[3], 50);
    EXPECT_EQ(test2[4], 0);
    EXPECT_EQ(test2[5], 0);
    EXPECT_EQ(disciplineFullMarks(grade, 1)[3], 100);
    // Combinations add their disciplines' full marks; a missing discipline counts 0.
    EXPECT_EQ(combinationFullMarks(test2, Eikokusu), 250);
    EXPECT_EQ(combinationFullMarks(test2, Kyouka5), 250);
    EXPECT_EQ(combinationFullMarks(test2, Eikokusha), 200);
    EXPECT_EQ(combinationFullMarks(test2, Kokusu), 150);
}
