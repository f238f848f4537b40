// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "BasicData.h"
#include "EditorTexts.h"
#include "Fixtures.h"
#include "Golden.h"
#include "TempDir.h"

using namespace jitsu;

namespace {

// One grade of one class, one subject and two tests, as the user might have typed it.
EditorTexts smallYear() {
    EditorTexts texts;
    texts.schoolName = "第一中学校";
    texts.testName = "実力テスト";
    texts.year = 2024;
    for (GradeTexts& grade : texts.grades) {
        grade.classCount = 1;
        grade.subjectCount = 1;
        grade.testCount = 2;
        grade.classNames[0] = "１組";
        grade.headCounts[0] = "035";
        grade.subjectNames[0] = "英語";
        grade.disciplineNumbers[0] = "1";
        grade.fullMarks[0] = {"100", ""};
    }
    return texts;
}

}  // namespace

TEST(EditorTexts, WritesCountsInDecimalAndEveryOtherTextAsTyped) {
    EditorTexts texts = smallYear();
    texts.grades[0].classNames[1] = "２組";  // cut off by the counts: not written
    texts.grades[0].fullMarks[0][2] = "50";
    EXPECT_TRUE(
        matchesGolden(formatBasicData(basicDataTextsOf(texts)), "editor-texts/wqnmkiso.txt"));
}

TEST(EditorTexts, ReadBackShowsNumbersInDecimalAndFullMarksBelowOneEmpty) {
    EditorTexts typed = smallYear();
    typed.grades[1].testCount = 4;
    typed.grades[1].fullMarks[0] = {"0", "", "-1", "050"};
    TempDir dir;
    ASSERT_TRUE(writeBasicData(dir / "wqnmkiso.txt", basicDataTextsOf(typed)));
    BasicData data;
    ASSERT_TRUE(readBasicData(dir / "wqnmkiso.txt", data));

    EditorTexts shown = editorTextsOf(data);
    EXPECT_EQ(shown.grades[0].headCounts[0], "35");
    EXPECT_EQ(shown.grades[0].fullMarks[0][1], "");
    EXPECT_EQ(shown.grades[1].fullMarks[0], (std::array<std::string, kMaxTests>{"", "", "", "50"}));
}

TEST(EditorTexts, CountsAndYearOfAMalformedFileComeWithinTheSpinnersRanges) {
    BasicData data;
    data.year = 1999;
    data.grades[0] = makeGrade(0, 30, 0, 0);
    data.grades[1] = makeGrade(20, 30, 20, 10);
    EditorTexts shown = editorTextsOf(data);
    const GradeTexts& none = shown.grades[0];
    EXPECT_EQ(std::tuple(shown.year, none.classCount, none.subjectCount, none.testCount),
              std::tuple(2000, 1, 1, 1));
    EXPECT_EQ(shown.grades[1].classCount, 20);
    EXPECT_EQ(shown.grades[1].fullMarks[19][9], "100");
    data.year = 2101;
    EXPECT_EQ(editorTextsOf(data).year, 2100);
}
