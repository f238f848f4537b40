// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "BasicData.h"
#include "LineChart.h"
#include "Messages.h"
#include "Printer.h"
#include "Status.h"
#include "YearResults.h"

namespace jitsu::history {

// One chart of the trend: a subject or the ５教科 total, one series per class of its average
// per test (a gap where the class has no score).
struct TrendChart {
    std::string title;  // UTF-8
    std::vector<Series> classes;
};

// The charts of a grade: every subject, then ５教科 when any class has a total in any test.
std::vector<TrendChart> trendCharts(const GradeData& grade, const YearResults& year);

// The students with at least one score, per test.
std::vector<int> examineesPerTest(const GradeData& grade, const YearResults& year);

// The trend page of one grade (1 … 3).
struct TrendJob {
    const GradeData& grade;
    int gradeNumber;
    std::string testName;  // the basic data file's, as UTF-8
    const YearResults& year;
};

// Draws the page on a new sheet, without beginning or ending the document.
void drawTrend(const TrendJob& job, Printer& printer);

// Sets the paper to A4 landscape; unless the print dialog is cancelled or the person declines a
// page that does not fit, prints the page. Fails only when the printer could not print it.
Status printTrend(const TrendJob& job, Printer& printer, Messages& messages);

}  // namespace jitsu::history
