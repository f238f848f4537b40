// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "BasicData.h"
#include "Limits.h"

namespace jitsu {

// What the editor holds for one grade: the counts and the texts of every cell up to the limits
// (UTF-8, as the widgets show them). Cells beyond the counts are kept, so that texts cut off by
// a smaller count come back when the count grows again; only the cells within the counts are
// checked and saved. Counts stay within 1 and their limits, as the spinners keep them.
struct GradeTexts {
    int classCount = 10;
    int subjectCount = 10;
    int testCount = 5;
    std::array<std::string, kMaxClasses> classNames, headCounts;
    std::array<std::string, kMaxSubjects> subjectNames, disciplineNumbers;
    std::array<std::array<std::string, kMaxTests>, kMaxSubjects> fullMarks;  // [subject][test]
};

// The editor's contents. Default-constructed, it is the window's start contents: no school
// name, the test name "実力テスト", the year kFirstYear and 10 classes, 10 subjects, 5 tests a
// grade.
struct EditorTexts {
    std::string schoolName;
    std::string testName = "実力テスト";
    int year = kFirstYear;
    std::array<GradeTexts, kGrades> grades;
};

// The two grids of a grade page.
enum class Grid { Classes, Subjects };

// The editor's contents for a file as read: numbers in decimal, full marks below 1 as empty
// cells, counts and year brought within the spinners' ranges.
EditorTexts editorTextsOf(const BasicData& data);

// The cell [column, row] of a grade's grid in `grade`: class grid [k, 0] name and [k, 1] head
// count of class k; subject grid [j, 0] name, [j, 1] discipline number and [j, t + 1] full
// marks in test t. nullptr for the label column and for cells beyond the limits.
std::string* cellText(GradeTexts& grade, Grid grid, int column, int row);

// The fixed label of a grid's column 0 in `row` ("クラス名", "人数", "科目名", "教科番号",
// "第 t 回"), or "" when the row has none.
std::string rowLabel(Grid grid, int row);

// The texts to write for the cells within the counts, as CP932. Needs texts that passed
// checkEditorTexts; a character that CP932 cannot carry would be written as its UTF-8 bytes.
BasicDataTexts basicDataTextsOf(const EditorTexts& texts);

}  // namespace jitsu
