#include <gtest/gtest.h>

#include <algorithm>

#include "FakeMessages.h"
#include "HistoryPage.h"
#include "HistoryYear.h"
#include "TracePrinter.h"

using namespace jitsu;
using namespace jitsu::history;

namespace {

// The hand-made year printed for both students: 青木 sat both tests but S1 of the 3rd (blank),
// 井上 none; 英国 is blank in the 1st test, which did not compute it. Columns S1, S2, 英国
// (n = 3) are 12 half-ems of 8 pt (400 dots) from x 700, a line's figures one text. Two tests:
// lines 75 high (8 pt), rows 3 × 75 from y 340. The chart spans x 700 … 4500, y 790 + 260 …
// 3150 − 80 (one row of legend) − 130 for 30 … 70: y(v) = 2940 − (v − 30) × 47.25; tests at
// x 700 + 3800 × (2i + 1) / 4.
std::vector<std::string> printBoth() {
    HistoryYear y;
    GradeResults& first = y.first();
    GradeResults& third = y.third();
    first.subjectExaminees[0] = first.subjectExaminees[1] = third.subjectExaminees[1] = 120;
    first.scores[0][0][0] = 70, first.subjectDeviations[0][0][0] = 52,
    first.subjectRanks[0][0][0] = 3;
    first.scores[1][0][0] = 0, first.subjectDeviations[1][0][0] = 38,
    first.subjectRanks[1][0][0] = 119;
    third.scores[1][0][0] = 95, third.subjectDeviations[1][0][0] = 62,
    third.subjectRanks[1][0][0] = 1;
    first.comboTotals[Eikoku][0][0] = 150;  // not computed in the 1st test: never shown
    third.subjectDeviations[0][0][0] = 45;  // no score: absent, whatever else the slot holds
    std::array<bool, kMaxClasses> classes{};
    classes[0] = true;
    const std::string testName = sj("実力テスト");
    const HistoryJob job{y.grade, testName, *y.roster, y.year,
                         chooseStudents(y.grade, classes, {})};
    std::ostringstream trace;
    TracePrinter printer(trace);
    FakeMessages messages;
    EXPECT_TRUE(printHistory(job, printer, messages));
    EXPECT_EQ(printer.sheetCount(), 1);
    EXPECT_TRUE(messages.shown.empty());
    return traceLines(trace.str());
}

const std::vector<std::string>& sheet() {
    static const std::vector<std::string> lines = printBoth();
    return lines;
}

bool startsAnyLine(const std::string& prefix) {
    return std::any_of(sheet().begin(), sheet().end(),
                       [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
}

class HistoryLayout : public testing::TestWithParam<std::string> {};

TEST_P(HistoryLayout, DrawsTheLine) {
    EXPECT_NE(std::find(sheet().begin(), sheet().end(), GetParam()), sheet().end()) << GetParam();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Table, HistoryLayout,
    testing::Values("job A4 portrait", "text 150 60 実力テスト　成績の推移",
                    "text 2300 70 1ＨＲ   1 番      青木",
                    "text 2300 3420 1ＨＲ   2 番      井上",                  // block 2 at 3350
                    "text 700 265  S1          S2          英国",  // one text: cells of 12
                    "text 170 419 第１回", "text 170 644 第３回",  // the middle line of a row
                    "text 400 344 得点", "text 400 419 偏差値", "text 400 494 順位",
                    "text 700 344   70           0",        // cells of 12: " " + " 70", "   0"
                    "text 700 419   52.0        38.0",
                    "text 700 494    3/120     119/120",
                    "text 700 569               95",        // 340 + 225 + 4; S1 blank
                    "text 700 644               62.0",
                    "text 700 719                1/120",
                    "line 150 250 1900 250", "line 150 339 1900 339", "line 150 340 1900 340",
                    "line 150 565 1900 565", "line 150 790 1900 790", "line 150 250 150 790",
                    "line 380 340 380 790", "line 700 250 700 790", "line 1100 250 1100 790",
                    "line 1500 250 1500 790", "line 1900 250 1900 790"));

INSTANTIATE_TEST_SUITE_P(
    Chart, HistoryLayout,
    testing::Values("text 150 950 偏差値", "rect 700 1522 4500 2468",  // 40 … 60, y(40) + 1
                    "line 700 1995 4500 1995", "line 700 1996 4500 1996",  // the 50 line
                    "text 561 2907  30", "text 561 1017  70",  // 700 − 40 − 3 × 33, y − 33
                    "text 700 2960                           第１回                                                   第３回",  // at 28.5 − 3, 85.5 − 3 half-ems
                    "line 1650 2562 3550 1428", "line 1650 2563 3550 1429",  // S2: 38 → 62
                    "rect 1636 1886 1665 1915",  // S1's lone 52 has a marker
                    "text 700 3070     S1        S2        英国",  // cells of 4 + 2 + 4
                    "line 710 3103 813 3103", "line 1043 3103 1146 3103", "line 1376 3103 1479 3103"));
// clang-format on

TEST(HistorySheet, LeavesAGapWhereTheStudentWasAbsent) {
    for (const char* fromS1 : {"line 1650 1900 ", "line 1650 1901 "})
        EXPECT_FALSE(startsAnyLine(fromS1)) << fromS1;  // no line on from the lone point
    EXPECT_FALSE(startsAnyLine("rect 3536 2926 "));     // nor a point at the bottom (0)
}

TEST(HistorySheet, AStudentAbsentFromEveryTestHasBlankTableAndChart) {
    int figures = 0, marks = 0;
    for (const std::string& l : sheet()) {
        int x = 0, y = 0;
        if (std::sscanf(l.c_str(), "text %d %d", &x, &y) == 2 && x >= 700 && y >= 3350 + 340 &&
            y < 3350 + 790)
            ++figures;
        if (std::sscanf(l.c_str(), "rect %d %d", &x, &y) == 2 && y >= 3350 && y < 3350 + 2940)
            ++marks;
    }
    EXPECT_EQ(figures, 0);
    EXPECT_EQ(marks, 1);  // the band alone
}

TEST(HistorySheet, ChoosesTheNumbersAskedForInTheTickedClasses) {
    GradeData grade = makeGrade(3, 4, 1);
    grade.headCounts[2] = 2;
    std::array<bool, kMaxClasses> classes{};
    classes[0] = classes[2] = true;
    std::vector<std::pair<int, int>> chosen;
    for (StudentSlot s : chooseStudents(grade, classes, {2, 4})) chosen.emplace_back(s.cls, s.slot);
    EXPECT_EQ(chosen, (std::vector<std::pair<int, int>>{{0, 1}, {0, 3}, {2, 1}}));
}

}  // namespace
