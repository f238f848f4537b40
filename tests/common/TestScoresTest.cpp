// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>

#include "Fixtures.h"
#include "Golden.h"
#include "TestScores.h"

using namespace jitsu;

// Two classes, three subjects: 45 slots of each class in subject order, a score of 0 kept apart
// from a missing one (-1).
TEST(ScoreFile, TwoClassesThreeSubjectsGiveTheGoldenFileAndReadBack) {
    GradeData grade = makeGrade(2, 2, 3);
    TestScores scores;
    scores.scores[0][0][0] = 78;
    scores.scores[2][1][1] = 0;
    scores.scores[1][1][44] = 100;
    EXPECT_TRUE(matchesGolden(formatScores(grade, scores), "scores-small/JT26_1_1.txt"));
    TestScores read;
    ASSERT_TRUE(readScores(goldenPath("scores-small/JT26_1_1.txt"), grade, read));
    EXPECT_EQ(std::memcmp(read.scores, scores.scores, sizeof read.scores), 0);
}
