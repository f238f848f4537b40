// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Combinations.h"
#include "Fixtures.h"
#include "Frequencies.h"

using namespace jitsu;
using namespace jitsu::summaryprint;

namespace {

// Bands `first` to `last` of full marks `fullMarks` as "low-high", one blank apart.
std::string bandsText(long long fullMarks, int first, int last) {
    const auto bands = scoreBands(fullMarks);
    std::string text;
    for (int i = first; i <= last; ++i)
        text += (i > first ? " " : "") + std::to_string(bands[i].low) + "-" +
                std::to_string(bands[i].high);
    return text;
}

}  // namespace

// Band 0 is [F, F + 1]; below it fortieths of F, each ending below the next one up.
TEST(ScoreBands, DivideFullMarksIntoFortiethsBelowTheTopBand) {
    EXPECT_EQ(bandsText(100, 0, 4), "100-101 97-99 95-96 92-94 90-91");
    EXPECT_EQ(bandsText(100, 39, 40), "2-4 0-1");
    EXPECT_EQ(bandsText(500, 0, 3) + " " + bandsText(500, 40, 40),
              "500-501 487-499 475-486 462-474 0-11");
    EXPECT_EQ(bandsText(50, 1, 5) + " " + bandsText(50, 40, 40),
              "48-49 47-47 46-46 45-45 43-44 0-0");
    EXPECT_EQ(bandsText(0, 0, 1) + " " + bandsText(0, 40, 40), "0-1 0--1 0--1");
    // Below forty some bands are empty (low above high): every fourth of F = 30.
    EXPECT_EQ(bandsText(30, 1, 8), "29-29 28-28 27-27 27-26 26-26 25-25 24-24 24-23");
    const auto bands = scoreBands(30);
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
