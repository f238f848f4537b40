// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "FakeMessages.h"
#include "Golden.h"
#include "HistoryPage.h"
#include "HistoryYear.h"
#include "PageFit.h"
#include "TracePrinter.h"
#include "TrendPage.h"

using namespace jitsu;
using namespace jitsu::history;

namespace {

// The hand-made year printed for both students: 青木 sat both tests but S1 of the 3rd (blank; his
// lone S1 point has a marker and no line), 井上 none (his table and chart blank); 英国 is blank in
// the 1st test, which did not compute it. Columns S1, S2, 英国 are 12 half-ems of 8 pt (400 dots)
// from x 700; the chart spans x 700 … 4500 with y(v) = 2940 − (v − 30) × 47.25.
TEST(HistorySheet, MatchesTheGoldenTrace) {
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
    const HistoryJob job{y.grade, "実力テスト", *y.roster, y.year,
                         chooseStudents(y.grade, classes, {})};
    std::ostringstream trace;
    TracePrinter printer(trace);
    FakeMessages messages;
    EXPECT_TRUE(printHistory(job, printer, messages));
    EXPECT_EQ(printer.sheetCount(), 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(matchesGolden(trace.str(), "history-sheet/trace.txt"));
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

// A grade at the limits (20 classes, 20 subjects and ５教科, 10 tests) on one A4 landscape page
// at 100 %, Qt's margins of 10 points off: under charts too narrow for 第１回 … 第１０回 the
// tests' numbers stand alone.
TEST(TrendPage, AGradeAtTheLimitsFitsA4LandscapeAtFullSize) {
    GradeData grade;
    grade.classCount = kMaxClasses;
    grade.subjectCount = kMaxSubjects;
    for (int c = 0; c < kMaxClasses; ++c) {
        grade.classNames[c].assign(std::to_string(c + 1));
        grade.headCounts[c] = kSlots;
    }
    for (int j = 0; j < kMaxSubjects; ++j) grade.subjectNames[j].assign("S" + std::to_string(j));
    YearResults year;
    for (int t = 1; t <= kMaxTests; ++t) {
        auto results = std::make_unique<GradeResults>();
        for (int j = 0; j < kMaxSubjects; ++j)
            for (int c = 0; c < kMaxClasses; ++c)
                for (int s = 0; s < kSlots; ++s) results->scores[j][c][s] = (c + s + t) % 101;
        results->comboFlags[Kyouka5] = 1;
        for (int c = 0; c < kMaxClasses; ++c)
            for (int s = 0; s < kSlots; ++s) results->comboTotals[Kyouka5][c][s] = 250;
        year.tests.push_back({t, std::move(results)});
    }
    const TrendJob job{grade, 1, "", year};
    const PageExtent extent = measurePages([&](Printer& on, int) { drawTrend(job, on); }, 100);
    EXPECT_TRUE(extent.fits({7016 - 167, 4961 - 167})) << extent.right << " x " << extent.bottom;
}
