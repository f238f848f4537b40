// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "BasicData.h"
#include "Fixtures.h"
#include "Golden.h"
#include "TempDir.h"

using namespace jitsu;

// Grade 1 of one class, one subject, one test; grade 3 of three classes (one empty, one typed
// "045"), two subjects, four tests with full marks left empty or typed 0.
TEST(BasicDataFile, IsWrittenAsTheGoldenFileAndReadBackToTheSameBytes) {
    BasicDataTexts texts;
    texts.schoolName = sj("桜中学校");
    texts.testName = sj("実力テスト");
    texts.year = 2026;
    for (auto& grade : texts.grades) {
        grade.classCount = 1;
        grade.classNames = {sj("１組")};
        grade.headCounts = {"30"};
        grade.subjectCount = grade.testCount = 1;
        grade.subjectNames = {sj("英語")};
        grade.disciplineNumbers = {"1"};
        grade.fullMarks = {{"100"}};
    }
    auto& g3 = texts.grades[2];
    g3.classCount = 3;
    g3.classNames = {"A", "B", sj("Ｃ組")};
    g3.headCounts = {"35", "0", "045"};
    g3.subjectCount = 2;
    g3.testCount = 4;
    g3.subjectNames = {sj("数学"), sj("理科")};
    g3.disciplineNumbers = {"3", "4"};
    g3.fullMarks = {{"100", "", "50", "0"}, {"", "", "", "200"}};
    TempDir dir;
    ASSERT_TRUE(writeBasicData(dir / "wqnmkiso.txt", texts));
    EXPECT_TRUE(matchesGolden(readBytes(dir / "wqnmkiso.txt"), "basic-data/wqnmkiso.txt"));

    BasicData data;
    ASSERT_TRUE(readBasicData(goldenPath("basic-data/wqnmkiso.txt"), data));
    EXPECT_EQ(data.rosterTag.view().bytes(), "N");
    EXPECT_FALSE(data.grades[2].isGiven(1, 0));  // empty
    EXPECT_FALSE(data.grades[2].isGiven(3, 0));  // 0 counts as not given: written back as empty
    // Read back, the record gives the texts again, the head count "045" as 45.
    texts.grades[2].headCounts[2] = "45";
    texts.grades[2].fullMarks[0][3] = "";
    EXPECT_EQ(formatBasicData(textsOf(data)), formatBasicData(texts));
}
