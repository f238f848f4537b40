// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "Fixtures.h"
#include "Golden.h"
#include "ResultsFile.h"
#include "Statistics.h"
#include "TempDir.h"

using namespace jitsu;

namespace {

std::unique_ptr<GradeResults> computed(const GradeData& grade, const TestScores& scores,
                                       const CombinationSet& ticked) {
    auto results = std::make_unique<GradeResults>();
    computeGradeResults(grade, scores, ticked, *results);
    return results;
}

}  // namespace

// A grade of two classes of three, subjects of disciplines 1 to 5, a few scores missing, every
// combination ticked: the file pins every printed digit of the deviation scores (spread and
// deviations are taken around the single-precision average), the ranks with their ties, the
// three orders of the combinations, the trailing blanks and the CR LF line ends.
TEST(ResultsFile, SmallGradeGivesTheGoldenFileAndReadsBack) {
    GradeData grade = makeGrade(2, 3, 5);
    const int table[5][6] = {{73, 58, 91, 66, 58, 40},
                             {80, 62, -1, 71, 49, 95},
                             {55, 55, 87, 60, 33, 78},
                             {42, 90, 67, -1, 58, 71},
                             {64, 64, 64, 39, 88, 50}};
    TestScores scores;
    for (int j = 0; j < 5; ++j)
        for (int i = 0; i < 6; ++i) scores.scores[j][i / 3][i % 3] = table[j][i];
    CombinationSet every;
    every.fill(true);
    const auto written = computed(grade, scores, every);
    const std::string golden = "results-small/results.txt";
    EXPECT_TRUE(matchesGolden(formatResultsFile(grade, *written), golden));

    // Read back: every value the file carries, floats as printed with six decimals.
    auto read = std::make_unique<GradeResults>();
    ASSERT_TRUE(readResultsFile(goldenPath(golden), grade, *read));
    EXPECT_EQ(formatResultsFile(grade, *read), readBytes(goldenPath(golden)));
    EXPECT_EQ(std::memcmp(read->scores, written->scores, sizeof read->scores), 0);
    for (int k = 0; k < kCombinations; ++k) EXPECT_GT(read->comboExaminees[k], 0) << k;
    EXPECT_EQ(read->subjectStdDevs[0], 0.0);  // not in the file
}

TEST(ResultsFile, ShortFileLeavesTheResetValues) {
    TempDir dir;
    GradeData grade = makeGrade(1, 5, 2);
    writeBytes(dir / "JK.txt", "5 6\r\n1 2 3 4 5 6 7 8 9\r\n");
    auto read = computed(grade, *electiveScores(grade, 3), defaultCombinations(2));  // not empty
    ASSERT_TRUE(readResultsFile(dir / "JK.txt", grade, *read));
    EXPECT_EQ(read->scores[0][0][0], 5);
    EXPECT_EQ(read->scores[1][0][0], 6);
    EXPECT_EQ(read->comboTotals[Eisu][0][0], 5);  // position 5 of order A
    EXPECT_EQ(read->comboTotals[Eikoku][0][0], 6);
    EXPECT_EQ(read->comboTotals[Eikokususha][0][0], 8);
    EXPECT_EQ(read->subjectDeviations[0][0][0], 0.0f);
    EXPECT_EQ(read->scores[0][0][1], -1);
    EXPECT_EQ(read->subjectExaminees[0], 0);
    EXPECT_EQ(read->comboFlags[Eikokusu], 0);
}
