#include <gtest/gtest.h>

#include <functional>

#include "EditorChecks.h"

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

using Place = Problem::Place;

struct RefusalCase {
    const char* name;
    std::function<void(EditorTexts&)> edit;
    Place place;
    int grade;
    Grid grid;
    int column, row;
    std::string line;
};

class Refusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, NamesTheCellAndWhatIsWrong) {
    const RefusalCase& c = GetParam();
    EditorTexts texts = validYear();
    c.edit(texts);
    std::vector<Problem> problems = checkEditorTexts(texts);
    ASSERT_EQ(problems.size(), 1u);
    const Problem& p = problems[0];
    EXPECT_EQ(p.text, c.line);
    EXPECT_EQ(p.place, c.place);
    if (c.place == Place::Cell) {
        EXPECT_EQ(p.grade, c.grade);
        EXPECT_EQ(p.grid, c.grid);
        EXPECT_EQ(p.column, c.column);
        EXPECT_EQ(p.row, c.row);
    }
}

const std::string kLong29 = "長すぎます（全角14文字、半角29文字まで）";
const std::string kLong9 = "長すぎます（全角4文字、半角9文字まで）";

INSTANTIATE_TEST_SUITE_P(
    Texts, Refusal,
    testing::Values(
        RefusalCase{"EmptySchoolName", [](EditorTexts& t) { t.schoolName = ""; }, Place::SchoolName,
                    0, Grid::Classes, 0, 0, "学校名：入力されていません"},
        RefusalCase{"SchoolNameWithBlank", [](EditorTexts& t) { t.schoolName = "第一 中学校"; },
                    Place::SchoolName, 0, Grid::Classes, 0, 0,
                    "学校名：半角の空白やタブが入っています"},
        RefusalCase{"TestNameOf30Bytes", [](EditorTexts& t) { t.testName = std::string(30, 'x'); },
                    Place::TestName, 0, Grid::Classes, 0, 0, "テスト名：" + kLong29},
        RefusalCase{"SchoolNameOf15FullWidth",
                    [](EditorTexts& t) { t.schoolName = "一二三四五六七八九十一二三四五"; },
                    Place::SchoolName, 0, Grid::Classes, 0, 0, "学校名：" + kLong29},
        RefusalCase{"SchoolNameOutsideCp932", [](EditorTexts& t) { t.schoolName = "한국중학교"; },
                    Place::SchoolName, 0, Grid::Classes, 0, 0,
                    "学校名：保存できない文字が入っています"},
        RefusalCase{"EmptyClassName", [](EditorTexts& t) { t.grades[0].classNames[1] = ""; },
                    Place::Cell, 1, Grid::Classes, 2, 0,
                    "一年　クラス名（2列目）：入力されていません"},
        RefusalCase{"ClassNameOf10Bytes",
                    [](EditorTexts& t) { t.grades[1].classNames[0] = "１年１組AB"; }, Place::Cell,
                    2, Grid::Classes, 1, 0, "二年　クラス名（1列目）：" + kLong9},
        RefusalCase{"SubjectNameOf5FullWidth",
                    [](EditorTexts& t) { t.grades[2].subjectNames[1] = "数学基礎Ａ"; }, Place::Cell,
                    3, Grid::Subjects, 2, 0, "三年　科目名（2列目）：" + kLong9},
        RefusalCase{"HeadCount46", [](EditorTexts& t) { t.grades[1].headCounts[1] = "46"; },
                    Place::Cell, 2, Grid::Classes, 2, 1,
                    "二年　人数（2列目）：0から45までの数を半角数字で入力してください"},
        RefusalCase{"HeadCountEmpty", [](EditorTexts& t) { t.grades[0].headCounts[0] = ""; },
                    Place::Cell, 1, Grid::Classes, 1, 1,
                    "一年　人数（1列目）：0から45までの数を半角数字で入力してください"},
        RefusalCase{"HeadCountSigned", [](EditorTexts& t) { t.grades[0].headCounts[0] = "+3"; },
                    Place::Cell, 1, Grid::Classes, 1, 1,
                    "一年　人数（1列目）：0から45までの数を半角数字で入力してください"},
        RefusalCase{"Discipline6", [](EditorTexts& t) { t.grades[2].disciplineNumbers[0] = "6"; },
                    Place::Cell, 3, Grid::Subjects, 1, 1,
                    "三年　教科番号（1列目）：1から5までの数を半角数字で入力してください"},
        RefusalCase{"Discipline0", [](EditorTexts& t) { t.grades[2].disciplineNumbers[1] = "0"; },
                    Place::Cell, 3, Grid::Subjects, 2, 1,
                    "三年　教科番号（2列目）：1から5までの数を半角数字で入力してください"},
        RefusalCase{
            "FullMarks1000", [](EditorTexts& t) { t.grades[0].fullMarks[0][0] = "1000"; },
            Place::Cell, 1, Grid::Subjects, 1, 2,
            "一年　第 1 回の満点（1列目）：空欄か0から999までの数を半角数字で入力してください"},
        RefusalCase{
            "FullMarksMinusOne", [](EditorTexts& t) { t.grades[0].fullMarks[1][1] = "-1"; },
            Place::Cell, 1, Grid::Subjects, 2, 3,
            "一年　第 2 回の満点（2列目）：空欄か0から999までの数を半角数字で入力してください"}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

}  // namespace

TEST(Checks, AcceptWhatTheReadersTakeBack) {
    EditorTexts texts = validYear();
    texts.schoolName = std::string(29, 'x');
    texts.testName =
        "一二三四五六七八九十一二三四ｱ";          // 14 full-width and one half-width kana: 29 bytes
    texts.grades[0].classNames[0] = "１年１組A";  // 9 bytes
    texts.grades[0].subjectNames[0] = "Ｅｎｇ　";  // the full-width blank is an ordinary character
    texts.grades[0].headCounts = {"035", "45"};
    texts.grades[0].disciplineNumbers = {"1", "5"};
    texts.grades[0].fullMarks[0] = {"000", "1", "0999"};
    texts.grades[1].headCounts[0] = "000000000000000000000045";  // "%u" takes any number of zeros
    EXPECT_TRUE(checkEditorTexts(texts).empty());
}

TEST(Checks, IgnoreCellsBeyondTheCounts) {
    EditorTexts texts = validYear();
    texts.grades[0].classNames[2] = "has blank";
    texts.grades[0].headCounts[2] = "99";
    texts.grades[1].subjectNames[2] = "";
    texts.grades[2].fullMarks[0][3] = "abc";
    EXPECT_TRUE(checkEditorTexts(texts).empty());
}

TEST(Checks, ListProblemsInTheOrderOfTheFileOnePerCell) {
    EditorTexts texts = validYear();
    texts.grades[2].fullMarks[1][0] = "x";
    texts.grades[0].classNames[0] = "";
    texts.grades[0].headCounts[0] = "";
    texts.testName = "a b";
    texts.grades[1].subjectNames[0] = "a b c d e f";  // blanks and too long: one problem
    std::vector<Problem> problems = checkEditorTexts(texts);
    ASSERT_EQ(problems.size(), 5u);
    EXPECT_EQ(problems[0].place, Place::TestName);
    EXPECT_EQ(problems[1].text, "一年　クラス名（1列目）：入力されていません");
    EXPECT_EQ(problems[2].text, "一年　人数（1列目）：0から45までの数を半角数字で入力してください");
    EXPECT_EQ(problems[3].text, "二年　科目名（1列目）：半角の空白やタブが入っています");
    EXPECT_EQ(problems[4].grade, 3);
}

TEST(Checks, TheStartContentsCannotBeSaved) {
    std::vector<Problem> problems = checkEditorTexts(EditorTexts{});
    // School name; per grade 10 class names, 10 head counts, 10 subject names, 10 disciplines.
    EXPECT_EQ(problems.size(), 1u + 3 * 40);
}

TEST(RefusalText, ListsEveryProblemOnItsOwnLineThenAsks) {
    std::vector<Problem> problems(2);
    problems[0].text = "学校名：入力されていません";
    problems[1].text = "一年　人数（1列目）：0から45までの数を半角数字で入力してください";
    EXPECT_EQ(refusalText(problems),
              "入力内容に保存できない項目があります。\n\n"
              "学校名：入力されていません\n"
              "一年　人数（1列目）：0から45までの数を半角数字で入力してください\n\n"
              "修正しますか？（「いいえ」で保存せずに終了します）");
}

TEST(RefusalText, CountsWhatItDoesNotList) {
    std::vector<Problem> problems(kListedProblems + 2);
    for (std::size_t i = 0; i < problems.size(); ++i)
        problems[i].text = "P" + std::to_string(i + 1);
    std::string text = refusalText(problems);
    EXPECT_NE(text.find("\nP15\nほか 2 件\n\n修正しますか？"), std::string::npos);
    EXPECT_EQ(text.find("P16"), std::string::npos);
}
