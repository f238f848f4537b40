// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>

#include "FakeMessages.h"
#include "Golden.h"
#include "MarksText.h"
#include "QuestionPages.h"
#include "TracePrinter.h"

using namespace jitsu;
using namespace jitsu::questions;

namespace {

// The hand-worked grade of the analysis (marks.txt): the rate table, the domain and viewpoint
// tables, the charts of classes 1 and 2 (class 3 nobody sat: no chart) and the sheets of the
// eight students; 2-2 has no name in the roster.
TEST(QuestionReport, MatchesTheGoldenTrace) {
    const QuestionMarks marks =
        marksFromText(readBytes(goldenPath("questions-analysis/marks.txt")));
    const QuestionReportJob job{marks,
                                "第２回　実力テスト　２年　数学",
                                {"1", "2", "3"},
                                {"青木", "井上", "上田", "江藤", "岡本", "加藤", "木村"},
                                {},
                                {}};
    std::ostringstream trace;
    TracePrinter printer(trace);
    FakeMessages messages;
    EXPECT_TRUE(printQuestionReport(job, printer, messages));
    EXPECT_EQ(printer.sheetCount(), reportPageCount(job));
    EXPECT_TRUE(messages.shown.empty());  // every page fits A4
    EXPECT_TRUE(matchesGolden(trace.str(), "questions-report/trace.txt"));
}

}  // namespace
