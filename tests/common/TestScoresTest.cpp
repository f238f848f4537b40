// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>

#include "Fixtures.h"
#include "Golden.h"
#include "TempDir.h"
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

TEST(ScoreFile, ShortFileLeavesTheRestWithoutScores) {
    TempDir dir;
    writeBytes(dir / "JT.txt", "10 20\r\n30 ");
    GradeData grade = makeGrade(1, 3, 2);
    TestScores scores;
    ASSERT_TRUE(readScores(dir / "JT.txt", grade, scores));
    EXPECT_EQ(scores.scores[0][0][0], 10);
    EXPECT_EQ(scores.scores[1][0][0], 20);
    EXPECT_EQ(scores.scores[0][0][1], 30);
    EXPECT_EQ(scores.scores[1][0][1], -1);
}
