#include <gtest/gtest.h>

#include "ReportCase.h"

using namespace jitsu;

namespace {

// Two subjects and the combination 英国 (n = 3): a table of columns at x 500, 760 and 1020, the
// heavy rule before the combination at x 999 … 996, the frame's right edge at 1262 … 1265.
// Student 2 of class 1 (block 1, offset 1070) has figures in every column.
class ReportBlockTest : public testing::TestWithParam<std::string> {
protected:
    static void SetUpTestSuite() {
        ReportCase report(1, 2, 2);
        GradeResults& r = *report.results;
        r.comboFlags[Eikoku] = 1;
        r.scores[0][0][1] = 70;
        r.subjectDeviations[0][0][1] = 52.34f;
        r.subjectRanks[0][0][1] = 3;
        r.scores[1][0][1] = 0;  // a score of 0 is a score
        r.subjectDeviations[1][0][1] = 38.96f;
        r.subjectRanks[1][0][1] = 120;
        r.comboTotals[Eikoku][0][1] = 150;
        r.comboDeviations[Eikoku][0][1] = 48.96f;
        r.comboRanks[Eikoku][0][1] = 12;
        r.subjectExaminees[0] = 2;
        r.subjectAverages[0] = 65.5f;
        r.subjectExaminees[1] = 130;
        r.subjectAverages[1] = 7.04f;
        r.comboExaminees[Eikoku] = 1;
        r.comboAverages[Eikoku] = 150.0f;
        auto sheets = sheetsOf(report.run());
        ASSERT_EQ(sheets.size(), 1u);
        sheet_ = sheets[0];
    }
    static std::vector<std::string> sheet_;
};
std::vector<std::string> ReportBlockTest::sheet_;

TEST_P(ReportBlockTest, DrawsTheLine) { EXPECT_TRUE(contains(sheet_, GetParam())) << GetParam(); }

INSTANTIATE_TEST_SUITE_P(
    Texts, ReportBlockTest,
    testing::Values("text 280 1348 第２回実力テスト　個人成績票",  // 1070 + 278
                    "text 2300 1360 1ＨＲ   2 番      生徒2",      // n < 12: x 2300
                    "text 180 1472 科目", "text 180 1572 得点", "text 180 1672 偏差値",
                    "text 180 1772 順位", "text 180 1870 受験者数", "text 180 1960 学年平均",
                    "text 760 2070 市立第一中学校",  // 500 + 260 × (n − 2)
                    "text 500 1472 S1", "text 760 1472 S2", "text 1020 1472 英国",
                    "text 500 1870   2", "text 500 1960 65.5", "text 760 1870 130",
                    "text 760 1960 7.0", "text 1020 1870   1", "text 1020 1960 150.0",
                    "text 500 1570  70", "text 500 1670 52.3", "text 500 1770   3",
                    "text 760 1570   0", "text 760 1670 39.0", "text 760 1770 120",
                    "text 1020 1570 150", "text 1020 1670 49.0", "text 1020 1770  12"));

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rules, ReportBlockTest,
    testing::Values("line 160 1464 1261 1464", "line 160 1465 1261 1465",  // 394/395, to 481 + 780
                    "line 160 1864 1261 1864", "line 160 1865 1261 1865",  // r = 4
                    "line 160 1954 1261 1954", "line 160 1955 1261 1955",  // 884/885
                    "line 160 2044 1261 2044", "line 160 2045 1261 2045",  // 974/975
                    "line 160 1465 160 2045", "line 161 1465 161 2045",    // left
                    "line 480 1465 480 2045", "line 481 1465 481 2045",    // column t = 0
                    "line 1260 1465 1260 2045", "line 1261 1465 1261 2045",  // t = n
                    "line 160 1563 1261 1563", "line 160 1560 1261 1560",  // under the heads, k = 0, 3
                    "line 479 1465 479 2045", "line 476 1465 476 2045",    // right of the labels
                    "line 999 1465 999 2045", "line 996 1465 996 2045",    // 479 + 260 × N
                    "line 159 1463 1262 1463", "line 156 1460 1265 1460",  // frame top
                    "line 159 2046 1262 2046", "line 156 2049 1265 2049",  // frame bottom
                    "line 159 1463 159 2046", "line 156 1460 156 2049",    // frame left
                    "line 1262 1463 1262 2046", "line 1265 1460 1265 2049"));  // frame right
// clang-format on

TEST(ReportBlock, DrawsFiftyTwoRulesABlockForThreeColumns) {
    // 14 row rules, 2 left, 2 × (n + 1) column rules and 7 × 4 heavy rules
    ReportCase report(1, 2, 2);
    report.results->comboFlags[Eikoku] = 1;
    auto sheets = sheetsOf(report.run());
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_EQ(linesStarting(sheets[0], "line ").size(), 2u * 52u);
}

TEST(ReportBlock, AMissingScoreOrASubjectNobodySatLeavesItsCellsEmpty) {
    ReportCase report(1, 1, 2);
    GradeResults& r = *report.results;
    r.scores[0][0][0] = 70;
    r.subjectDeviations[0][0][0] = 50.0f;
    r.subjectRanks[0][0][0] = 1;
    r.subjectExaminees[0] = 1;
    r.subjectAverages[0] = 70.0f;
    auto sheets = sheetsOf(report.run());
    ASSERT_EQ(sheets.size(), 1u);
    // label, three figures, examinees, average, and the school name (n = 2)
    EXPECT_EQ(linesStarting(sheets[0], "text 500 ").size(), 7u);
    EXPECT_EQ(linesStarting(sheets[0], "text 760 "), std::vector<std::string>{"text 760 402 S2"});
}

struct ColumnCase {
    int subjects;
    std::vector<Combination> ticked;
    int nameX;
    std::vector<std::string> expected;  // further lines of block 0
};
void PrintTo(const ColumnCase& c, std::ostream* os) {
    *os << c.subjects << " subjects, " << c.ticked.size() << " combinations";
}

class ReportColumns : public testing::TestWithParam<ColumnCase> {};

TEST_P(ReportColumns, NameLineSchoolAndCombinationsFollowTheColumnCount) {
    const ColumnCase& p = GetParam();
    ReportCase report(1, 1, p.subjects);
    for (Combination k : p.ticked) report.results->comboFlags[k] = 1;
    auto sheets = sheetsOf(report.run());
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_TRUE(
        contains(sheets[0], "text " + std::to_string(p.nameX) + " 290 1ＨＲ   1 番      生徒1"));
    int n = p.subjects + static_cast<int>(p.ticked.size());
    EXPECT_TRUE(contains(sheets[0],
                         "text " + std::to_string(500 + 260 * (n - 2)) + " 1000 市立第一中学校"));
    for (const std::string& line : p.expected) EXPECT_TRUE(contains(sheets[0], line)) << line;
}

INSTANTIATE_TEST_SUITE_P(
    ColumnCounts, ReportColumns,
    testing::Values(
        ColumnCase{5, {}, 2300, {"line 1779 395 1779 975", "line 1776 395 1776 975"}},
        ColumnCase{5, {Eikokusu, Kyouka5, Eisuri, Eikokusha, Eikoku, Eisu}, 2300, {}},  // n = 11
        ColumnCase{10, {Eikokusu, Kyouka5}, 2320, {}},                                  // n = 12
        ColumnCase{13, {}, 2580, {}},                                                   // n = 13
        // ticked combinations follow the subjects in index order, whatever order they were ticked
        ColumnCase{5,
                   {Eikokususha, Eikokusu, Eikoku},
                   2300,
                   {"text 1800 402 英国数", "text 2060 402 英国", "text 2320 402 ３＋社",
                    "line 2562 393 2562 976"}},
        ColumnCase{
            20,
            {Eikokusu, Kyouka5, Eisuri, Eikokusha, Eikoku, Eisu, Kokusu, Eikokusuri, Eikokususha},
            6740,  // n = 29: 500 + 260 × 24
            {"text 7520 402 ３＋理", "text 7780 402 ３＋社", "line 5679 395 5679 975"}}));

struct ScaleCase {
    int layoutPercent;
    std::vector<std::string> expected;
};
void PrintTo(const ScaleCase& c, std::ostream* os) { *os << c.layoutPercent << " %"; }

class ReportMagnification : public testing::TestWithParam<ScaleCase> {};

TEST_P(ReportMagnification, ScalesEveryCoordinateAfterTheOffsetIsAdded) {
    ReportCase report(1, 2, 5);
    report.scale.layoutPercent = GetParam().layoutPercent;
    auto sheets = sheetsOf(report.run());
    ASSERT_EQ(sheets.size(), 1u);
    for (const std::string& line : GetParam().expected)
        EXPECT_TRUE(contains(sheets[0], line)) << line;
}

INSTANTIATE_TEST_SUITE_P(
    Percent, ReportMagnification,
    testing::Values(ScaleCase{100,
                              {"text 280 278 第２回実力テスト　個人成績票",
                               "text 280 1348 第２回実力テスト　個人成績票",
                               "line 160 394 1781 394", "line 160 395 1781 395"}},
                    ScaleCase{80,
                              {"text 224 222 第２回実力テスト　個人成績票",   // 278 × 0.8 = 222.4
                               "text 224 1078 第２回実力テスト　個人成績票",  // 1348 × 0.8 = 1078.4
                               "text 1840 232 1ＨＲ   1 番      生徒1", "line 128 315 1424 315",
                               "line 128 316 1424 316"}},
                    ScaleCase{
                        200,
                        {"text 560 556 第２回実力テスト　個人成績票",
                         "text 560 2696 第２回実力テスト　個人成績票", "line 320 788 3562 788",
                         "line 320 790 3562 790",      // the one-dot gap doubled
                         "line 312 780 3570 780"}}));  // frame top, k = 3

struct FontCase {
    int fontPercent;
    std::vector<std::string> sizes;  // title, name line, table heads, figures
};
void PrintTo(const FontCase& c, std::ostream* os) { *os << c.fontPercent << " %"; }

class ReportFontSizes : public testing::TestWithParam<FontCase> {};

TEST_P(ReportFontSizes, ScaleTheFourSizesOfTheSheet) {
    ReportCase report(1, 3, 5);
    report.scale.fontPercent = GetParam().fontPercent;
    auto sheets = sheetsOf(report.run());
    ASSERT_EQ(sheets.size(), 1u);
    auto fonts = linesStarting(sheets[0], "font ");
    ASSERT_EQ(fonts.size(), 5u);  // the bold style, then the four sizes
    EXPECT_EQ(std::vector<std::string>(fonts.begin() + 1, fonts.end()), GetParam().sizes);
}

INSTANTIATE_TEST_SUITE_P(
    Percent, ReportFontSizes,
    testing::Values(FontCase{100, {"font 12 bold", "font 10 bold", "font 8 bold", "font 10 bold"}},
                    FontCase{50, {"font 6 bold", "font 5 bold", "font 4 bold", "font 5 bold"}},
                    FontCase{75, {"font 9 bold", "font 7 bold", "font 6 bold", "font 7 bold"}},
                    FontCase{200,
                             {"font 24 bold", "font 20 bold", "font 16 bold", "font 20 bold"}}));

}  // namespace
