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
    EXPECT_EQ(shown.year, 2000);
    EXPECT_EQ(shown.grades[0].classCount, 1);
    EXPECT_EQ(shown.grades[0].subjectCount, 1);
    EXPECT_EQ(shown.grades[0].testCount, 1);
    EXPECT_EQ(shown.grades[1].classCount, 20);
    EXPECT_EQ(shown.grades[1].fullMarks[19][9], "100");
    data.year = 2101;
    EXPECT_EQ(editorTextsOf(data).year, 2100);
}

TEST(EditorTexts, GridCellsMapToTheirTexts) {
    GradeTexts grade;
    for (int k = 0; k < kMaxClasses; ++k) {
        grade.classNames[k] = "C" + std::to_string(k + 1);
        grade.headCounts[k] = "H" + std::to_string(k + 1);
    }
    for (int j = 0; j < kMaxSubjects; ++j) {
        grade.subjectNames[j] = "S" + std::to_string(j + 1);
        grade.disciplineNumbers[j] = "D" + std::to_string(j + 1);
        for (int t = 0; t < kMaxTests; ++t)
            grade.fullMarks[j][t] = "M" + std::to_string(j + 1) + "." + std::to_string(t + 1);
    }
    // "-": the cell maps to no text (the label column, past the last column or row).
    auto at = [&](Grid grid, int column, int row) {
        const std::string* text = cellText(grade, grid, column, row);
        return text ? *text : std::string("-");
    };
    EXPECT_EQ(at(Grid::Classes, 0, 0), "-");
    EXPECT_EQ(at(Grid::Classes, 1, 0) + at(Grid::Classes, 1, 1) + at(Grid::Classes, 20, 1),
              "C1H1H20");
    EXPECT_EQ(at(Grid::Classes, 21, 0) + at(Grid::Classes, 3, 2), "--");
    EXPECT_EQ(at(Grid::Subjects, 0, 3), "-");
    EXPECT_EQ(at(Grid::Subjects, 1, 0) + at(Grid::Subjects, 4, 1) + at(Grid::Subjects, 4, 2),
              "S1D4M4.1");
    EXPECT_EQ(at(Grid::Subjects, 20, 11), "M20.10");
    EXPECT_EQ(at(Grid::Subjects, 20, 12) + at(Grid::Subjects, 21, 0), "--");
}
