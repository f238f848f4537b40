// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Golden.h"
#include "SaveQuestions.h"

using namespace jitsu;

namespace {

// Three grades of two classes, two subjects and three tests, every text savable.
EditorTexts validYear() {
    EditorTexts texts;
    texts.schoolName = "第一中学校";
    for (GradeTexts& grade : texts.grades) {
        grade.classCount = 2;
        grade.subjectCount = 2;
        grade.testCount = 3;
        grade.classNames[0] = "１組";
        grade.classNames[1] = "２組";
        grade.headCounts = {"35", "0"};
        grade.subjectNames[0] = "国語";
        grade.subjectNames[1] = "数学";
        grade.disciplineNumbers = {"2", "3"};
        grade.fullMarks[0] = {"100", "", "0"};
        grade.fullMarks[1] = {"999", "50", ""};
    }
    return texts;
}

using Place = EditorFinding::Place;

// Where a finding points: "school", "test" or "grade grid column,row" of a cell.
std::string placeOf(const EditorFinding& p) {
    if (p.place != Place::Cell) return p.place == Place::SchoolName ? "school" : "test";
    return std::to_string(p.grade) + (p.grid == Grid::Classes ? " classes " : " subjects ") +
           std::to_string(p.column) + "," + std::to_string(p.row);
}

}  // namespace

// Each edit of a savable year, and the findings then found: where each points and what it says
// (in the golden file), in the order of the file, one per cell.
TEST(Checks, NameTheCellAndWhatIsWrong) {
    const std::pair<const char*, void (*)(EditorTexts&)> edits[] = {
        {"empty school name", [](EditorTexts& t) { t.schoolName = ""; }},
        {"school name with a blank", [](EditorTexts& t) { t.schoolName = "第一 中学校"; }},
        {"test name of 30 bytes", [](EditorTexts& t) { t.testName = std::string(30, 'x'); }},
        {"school name of 15 full-width",
         [](EditorTexts& t) { t.schoolName = "一二三四五六七八九十一二三四五"; }},
        {"school name outside CP932", [](EditorTexts& t) { t.schoolName = "한국중학교"; }},
        {"empty class name", [](EditorTexts& t) { t.grades[0].classNames[1] = ""; }},
        {"class name of 10 bytes",
         [](EditorTexts& t) { t.grades[1].classNames[0] = "１年１組AB"; }},
        {"subject name of 5 full-width",
         [](EditorTexts& t) { t.grades[2].subjectNames[1] = "数学基礎Ａ"; }},
        {"head count 46", [](EditorTexts& t) { t.grades[1].headCounts[1] = "46"; }},
        {"discipline 6", [](EditorTexts& t) { t.grades[2].disciplineNumbers[0] = "6"; }},
        {"full marks 1000", [](EditorTexts& t) { t.grades[0].fullMarks[1][1] = "1000"; }},
        {"five findings", [](EditorTexts& t) {
             t.grades[2].fullMarks[1][0] = "x";
             t.grades[0].classNames[0] = "";
             t.grades[0].headCounts[0] = "";
             t.testName = "a b";
             t.grades[1].subjectNames[0] = "a b c d e f";  // blanks and too long: one finding
         }}};
    std::string found;
    for (const auto& [what, edit] : edits) {
        EditorTexts texts = validYear();
        edit(texts);
        found += std::string(what) + ":\n";
        for (const EditorFinding& p : checkEditorTexts(texts))
            found += placeOf(p) + " " + p.text + "\n";
    }
    EXPECT_TRUE(matchesGolden(found, "editor-checks/findings.txt"));
}

TEST(Checks, AcceptWhatTheReadersTakeBackAndIgnoreCellsBeyondTheCounts) {
    EditorTexts texts = validYear();
    texts.schoolName = std::string(29, 'x');
    texts.testName =
        "一二三四五六七八九十一二三四ｱ";          // 14 full-width and one half-width kana: 29 bytes
    texts.grades[0].classNames[0] = "１年１組A";  // 9 bytes
    texts.grades[0].subjectNames[0] = "Ｅｎｇ　";  // the full-width blank is an ordinary character
    // Cells beyond the counts are not checked.
    texts.grades[0].classNames[2] = "has blank";
    texts.grades[0].headCounts[2] = "99";
    texts.grades[1].subjectNames[2] = "";
    texts.grades[2].fullMarks[0][3] = "abc";
    EXPECT_TRUE(checkEditorTexts(texts).empty());
}

// Head counts 0 to 45, disciplines 1 to 5, full marks empty or 0 to 999: ASCII digits only,
// any number of leading zeros (as "%u" reads them back).
TEST(Checks, NumberCellsWithinTheirRanges) {
    using Cell = std::string& (*)(GradeTexts&);
    const std::tuple<Cell, std::vector<const char*>, std::vector<const char*>> ranges[] = {
        {[](GradeTexts& g) -> std::string& { return g.headCounts[0]; },
         {"0", "45", "000000000000000000000045"},
         {"46", "", "+3", "4 5", "-0"}},
        {[](GradeTexts& g) -> std::string& { return g.disciplineNumbers[1]; },
         {"1", "5", "05"},
         {"0", "6", "５"}},
        {[](GradeTexts& g) -> std::string& { return g.fullMarks[1][2]; },
         {"", "000", "0999"},
         {"1000", "-1", " 5"}}};
    for (const auto& [cell, good, bad] : ranges)
        for (bool ok : {true, false})
            for (const char* text : ok ? good : bad) {
                EditorTexts texts = validYear();
                cell(texts.grades[1]) = text;
                EXPECT_EQ(checkEditorTexts(texts).size(), ok ? 0u : 1u) << text;
            }
}

TEST(Checks, TheStartContentsCannotBeSaved) {
    std::vector<EditorFinding> findings = checkEditorTexts(EditorTexts{});
    // School name; per grade 10 class names, 10 head counts, 10 subject names, 10 disciplines.
    EXPECT_EQ(findings.size(), 1u + 3 * 40);
}

// Every finding on its own line up to the listed number, the rest counted, then the question.
TEST(RefusalText, ListsFindingsThenAsks) {
    std::vector<EditorFinding> findings(kListedFindings + 2);
    for (std::size_t i = 0; i < findings.size(); ++i)
        findings[i].text = "学校名：P" + std::to_string(i + 1);
    const std::string many = refusalText(findings);
    findings.resize(2);
    EXPECT_TRUE(
        matchesGolden(refusalText(findings) + "\n----\n" + many, "editor-checks/refusal.txt"));
}

// A head count of 0 within the class count is named with what the class holds, whatever its
// spelling; one of a class that holds nothing, beyond the count or not a number (refused by
// the checks) is not.
TEST(EmptyClasses, NamedWithTheirGradeColumnAndWhatTheyHold) {
    EditorTexts texts = validYear();
    texts.grades[1].headCounts[1] = "00";
    texts.grades[2].headCounts[1] = "x";
    texts.grades[2].headCounts[0] = "0";
    texts.grades[2].headCounts[2] = "0";  // beyond the two classes
    const auto holdings = [](int g, int k) -> std::string {
        if (g == 1) return "";  // 一年 ２組 holds nothing
        return g == 2 ? "名簿に 31 人" : "名簿に " + std::to_string(k) + " 人、第１回 の得点";
    };
    std::string found;
    for (const EditorFinding& p : emptyClasses(texts, holdings))
        found += placeOf(p) + " " + p.text + "\n";
    EXPECT_TRUE(matchesGolden(found + "----\n" + emptyClassQuestion(emptyClasses(texts, holdings)),
                              "editor-checks/empty-classes.txt"));
}
