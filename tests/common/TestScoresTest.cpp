#include <gtest/gtest.h>

#include "Fixtures.h"
#include "TempDir.h"
#include "TestScores.h"

using namespace jitsu;

TEST(ScoreFile, TwoClassesThreeSubjectsGive90LinesOfThreeValues) {
    GradeData grade = makeGrade(2, 2, 3);
    TestScores scores;
    scores.scores[0][0][0] = 78;
    scores.scores[2][1][1] = 0;
    std::string file = formatScores(grade, scores);
    std::size_t lines = 0;
    for (std::size_t pos = 0; (pos = file.find("\r\n", pos)) != std::string::npos; pos += 2) ++lines;
    EXPECT_EQ(lines, 90u);
    EXPECT_EQ(file.substr(0, 12), "78 -1 -1 \r\n-");
    EXPECT_NE(file.find("\r\n-1 -1 -1 \r\n"), std::string::npos);
    EXPECT_NE(file.find("-1 -1 0 \r\n"), std::string::npos);
    EXPECT_EQ(file.find("\n\n"), std::string::npos);
}

TEST(ScoreFile, WrittenAndReadBackGivesTheSameScores) {
    TempDir dir;
    GradeData grade = makeGrade(20, 45, 20);
    auto written = std::make_unique<TestScores>();
    for (int j = 0; j < 20; ++j)
        for (int c = 0; c < 20; ++c)
            for (int s = 0; s < kSlots; ++s) written->scores[j][c][s] = (j * 7 + c * 13 + s) % 102 - 1;
    ASSERT_TRUE(writeScores(dir / "JT26_1_1.txt", grade, *written));
    auto read = std::make_unique<TestScores>();
    ASSERT_TRUE(readScores(dir / "JT26_1_1.txt", grade, *read));
    EXPECT_EQ(std::memcmp(written->scores, read->scores, sizeof read->scores), 0);
}

TEST(ScoreFile, MissingFileGivesNoScores) {
    TempDir dir;
    GradeData grade = makeGrade(3, 10, 5);
    TestScores scores;
    scores.scores[1][1][1] = 55;
    EXPECT_FALSE(readScores(dir / "JT26_3_1.txt", grade, scores));
    EXPECT_EQ(scores.scores[1][1][1], -1);
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
