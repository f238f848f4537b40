// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "FakeMessages.h"
#include "HistoryYear.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "ResultsFile.h"
#include "TempDir.h"
#include "TrendPage.h"

using namespace jitsu;
using namespace jitsu::history;

// Test 1 has a sound results file, test 2 one written when the grade had three subjects, test
// 3 none: the year holds test 1 only, and the box names the second file.
TEST(YearResults, LeavesOutAFileThatNoLongerFitsWithAWarning) {
    TempDir dir;
    BasicData data;
    data.grades[1] = makeGrade(1, 2, 2, 3);
    auto results = std::make_unique<GradeResults>();
    resetGradeResults(*results);
    results->scores[0][0][0] = 81;
    ASSERT_TRUE(writeResultsFile(resultsPath(dir.path(), 2026, 1, 2), data.grades[1], *results));
    ASSERT_TRUE(
        writeResultsFile(resultsPath(dir.path(), 2026, 2, 2), makeGrade(1, 2, 3, 3), *results));
    FakeMessages messages;
    const YearResults year = readYearResults(dir.path(), data, 2026, 1, messages);
    ASSERT_EQ(year.tests.size(), 1u);
    EXPECT_EQ(year.tests[0].test, 1);
    EXPECT_EQ(year.tests[0].results->scores[0][0][0], 81);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, kLeftOutText);
    EXPECT_EQ(messages.shown[0].title, text::kWarning);
    EXPECT_NE(messages.shown[0].detail.find("JK26_2_2.txt"), std::string::npos)
        << messages.shown[0].detail;
}

// Class averages over the scores present; a class with none in a test is a gap, not 0.
TEST(Trend, AveragesEachClassOverItsScoresAndCountsTheExaminees) {
    HistoryYear y;
    y.first().scores[0][0][0] = 60;
    y.first().scores[0][0][1] = 71;
    y.third().scores[1][0][1] = 40;
    y.third().comboFlags[Kyouka5] = 1;
    y.third().comboTotals[Kyouka5][0][1] = 300;
    const std::vector<TrendChart> charts = trendCharts(y.grade, y.year);
    ASSERT_EQ(charts.size(), 3u);  // S1, S2, ５教科
    EXPECT_EQ(charts[2].title, "５教科");
    EXPECT_EQ(charts[0].classes[0].values,
              (std::vector<std::optional<double>>{65.5, std::nullopt}));
    EXPECT_EQ(charts[1].classes[0].values,
              (std::vector<std::optional<double>>{std::nullopt, 40.0}));
    EXPECT_EQ(charts[2].classes[0].values,
              (std::vector<std::optional<double>>{std::nullopt, 300.0}));
    EXPECT_EQ(examineesPerTest(y.grade, y.year), (std::vector<int>{2, 1}));
}
