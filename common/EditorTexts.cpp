// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorTexts.h"

#include <algorithm>

#include "Cp932.h"

namespace jitsu {

namespace {

// A count as the spinners can show it: they go no lower than 1.
int spinnerCount(std::uint32_t count, int limit) {
    return std::clamp(static_cast<int>(std::min<std::uint32_t>(count, limit)), 1, limit);
}

template <std::size_t N>
std::vector<std::string> cp932Texts(const std::array<std::string, N>& texts, int count) {
    std::vector<std::string> out;
    for (int i = 0; i < std::min<int>(count, N); ++i) out.push_back(toCp932(texts[i]));
    return out;
}

}  // namespace

EditorTexts editorTextsOf(const BasicData& data) {
    EditorTexts texts;
    texts.schoolName = data.schoolName.utf8();
    texts.testName = data.testName.utf8();
    texts.year = static_cast<int>(std::clamp(data.year, kFirstYear, kLastYear));
    for (int g = 0; g < kGrades; ++g) {
        const GradeData& in = data.grades[g];
        GradeTexts& out = texts.grades[g];
        out.classCount = spinnerCount(in.classCount, kMaxClasses);
        out.subjectCount = spinnerCount(in.subjectCount, kMaxSubjects);
        out.testCount = spinnerCount(in.testCount, kMaxTests);
        // Only the entries within the file's own counts carry meaning.
        for (int k = 0; k < in.classes(); ++k) {
            out.classNames[k] = in.classNames[k].utf8();
            out.headCounts[k] = std::to_string(in.headCounts[k]);
        }
        for (int j = 0; j < in.subjects(); ++j) {
            out.subjectNames[j] = in.subjectNames[j].utf8();
            out.disciplineNumbers[j] = std::to_string(in.disciplineNumbers[j]);
            for (int t = 0; t < in.tests(); ++t)
                if (in.isGiven(t, j)) out.fullMarks[j][t] = std::to_string(in.fullMarks[t][j]);
        }
    }
    return texts;
}

std::string* cellText(GradeTexts& grade, Grid grid, int column, int row) {
    int index = column - 1;
    if (grid == Grid::Classes) {
        if (index < 0 || index >= kMaxClasses) return nullptr;
        if (row == 0) return &grade.classNames[index];
        if (row == 1) return &grade.headCounts[index];
        return nullptr;
    }
    if (index < 0 || index >= kMaxSubjects) return nullptr;
    if (row == 0) return &grade.subjectNames[index];
    if (row == 1) return &grade.disciplineNumbers[index];
    int test = row - 2;
    if (test < 0 || test >= kMaxTests) return nullptr;
    return &grade.fullMarks[index][test];
}

std::string rowLabel(Grid grid, int row) {
    if (row == 0) return grid == Grid::Classes ? "クラス名" : "科目名";
    if (row == 1) return grid == Grid::Classes ? "人数" : "教科番号";
    if (grid == Grid::Subjects && row - 1 <= kMaxTests)
        return "第 " + std::to_string(row - 1) + " 回";
    return "";
}

BasicDataTexts basicDataTextsOf(const EditorTexts& texts) {
    BasicDataTexts out;
    out.schoolName = toCp932(texts.schoolName);
    out.testName = toCp932(texts.testName);
    out.year = static_cast<unsigned>(texts.year);
    for (int g = 0; g < kGrades; ++g) {
        const GradeTexts& in = texts.grades[g];
        BasicDataTexts::Grade& grade = out.grades[g];
        grade.classCount = static_cast<unsigned>(in.classCount);
        grade.classNames = cp932Texts(in.classNames, in.classCount);
        grade.headCounts = cp932Texts(in.headCounts, in.classCount);
        grade.subjectCount = static_cast<unsigned>(in.subjectCount);
        grade.testCount = static_cast<unsigned>(in.testCount);
        grade.subjectNames = cp932Texts(in.subjectNames, in.subjectCount);
        grade.disciplineNumbers = cp932Texts(in.disciplineNumbers, in.subjectCount);
        for (int j = 0; j < in.subjectCount; ++j)
            grade.fullMarks.push_back(cp932Texts(in.fullMarks[j], in.testCount));
    }
    return out;
}

}  // namespace jitsu
