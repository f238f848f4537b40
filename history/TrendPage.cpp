// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrendPage.h"

#include <algorithm>

#include "Combinations.h"
#include "Cp932.h"
#include "Format.h"
#include "PageFit.h"
#include "TestList.h"

namespace jitsu::history {

namespace {

constexpr int kPageLeft = 150;
constexpr int kChartsTop = 520;
constexpr int kChartsRight = 6100;  // the legend of the classes lies right of it
constexpr int kChartsBottom = 4500;

// The average of the values of class `cls` that are not below 0.
std::optional<double> classAverage(const GradeData& grade,
                                   const std::int32_t (&values)[kMaxClasses][kSlots], int cls) {
    long long sum = 0;
    int count = 0;
    for (int s = 0; s < grade.studentSlots(cls); ++s)
        if (values[cls][s] >= 0) sum += values[cls][s], ++count;
    if (count == 0) return std::nullopt;
    return static_cast<double>(sum) / count;
}

std::vector<Series> classSeries(const GradeData& grade, const YearResults& year, bool total,
                                int subject) {
    std::vector<Series> series;
    for (int c = 0; c < grade.classes(); ++c) {
        Series s{grade.classNames[c].utf8() + "組", {}};
        for (const TestResults& test : year.tests) {
            const GradeResults& r = *test.results;
            if (total && r.comboFlags[Kyouka5] != 1)
                s.values.push_back(std::nullopt);
            else
                s.values.push_back(
                    classAverage(grade, total ? r.comboTotals[Kyouka5] : r.scores[subject], c));
        }
        series.push_back(std::move(s));
    }
    return series;
}

}  // namespace

std::vector<TrendChart> trendCharts(const GradeData& grade, const YearResults& year) {
    std::vector<TrendChart> charts;
    for (int j = 0; j < grade.subjects(); ++j)
        charts.push_back({grade.subjectNames[j].utf8(), classSeries(grade, year, false, j)});
    // ５教科 only where some class has totals: a grade of fewer subjects never has any.
    std::vector<Series> totals = classSeries(grade, year, true, 0);
    if (std::any_of(totals.begin(), totals.end(), [](const Series& s) {
            return std::any_of(s.values.begin(), s.values.end(),
                               [](auto v) { return v.has_value(); });
        }))
        charts.push_back(
            {std::string(kSubjectCombinations[Kyouka5].shortLabel), std::move(totals)});
    return charts;
}

std::vector<int> examineesPerTest(const GradeData& grade, const YearResults& year) {
    std::vector<int> counts;
    for (const TestResults& test : year.tests) {
        int count = 0;
        for (int c = 0; c < grade.classes(); ++c)
            for (int s = 0; s < grade.studentSlots(c); ++s)
                for (int j = 0; j < grade.subjects(); ++j)
                    if (test.results->scores[j][c][s] >= 0) {
                        ++count;
                        break;
                    }
        counts.push_back(count);
    }
    return counts;
}

void drawTrend(const TrendJob& job, Printer& printer) {
    printer.newPage();
    ScaledPage page(printer.canvas());
    page.startPageOnWhite();
    page.font(12);
    page.text(kPageLeft, 60,
              job.testName + "　第" + formatInt(job.gradeNumber) + "学年　クラス平均の推移");

    // The grade's examinees per test, as one row under the title.
    std::vector<std::string> labels;
    for (const TestResults& test : job.year.tests) labels.push_back(testLabel(test.test));
    const std::vector<int> examinees = examineesPerTest(job.grade, job.year);
    page.font(8);
    page.text(kPageLeft, 290, "受験者数");
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const int x = 700 + 450 * static_cast<int>(i);
        page.text(x, 240, labels[i]);
        page.text(x, 320, formatInt(examinees[i], 3) + " 人");
    }

    // Under a chart too narrow for the labels, the tests' numbers alone.
    std::vector<std::string> numbers;
    for (const TestResults& test : job.year.tests) numbers.push_back(std::to_string(test.test));

    const std::vector<TrendChart> charts = trendCharts(job.grade, job.year);
    const int n = static_cast<int>(charts.size());
    const int columns = n <= 2 ? std::max(n, 1) : n <= 6 ? 3 : n <= 12 ? 4 : 5;
    const int rows = std::max(1, (n + columns - 1) / columns);
    const int width = (kChartsRight - kPageLeft) / columns;
    const int height = (kChartsBottom - kChartsTop) / rows;
    for (int k = 0; k < n; ++k) {
        const int x = kPageLeft + width * (k % columns);
        const int y = kChartsTop + height * (k / columns);
        page.font(9);
        page.text(x + 250, y, charts[k].title);
        const bool total = k == job.grade.subjects();
        ChartFrame frame{x + 250, y + 110, x + width - 80, y + height - 140, 0, 0, total ? 50 : 10};
        frame = fitRange(frame, charts[k].classes);
        const bool fits = frame.left + halfEms(axisLabels(frame, labels)) * 100 / 3 <= x + width;
        drawAxes(page, frame, fits ? labels : numbers);
        drawSeries(page, frame, charts[k].classes);
    }
    if (!charts.empty())
        drawLegend(page, kChartsRight + 80, kChartsTop + 110, charts[0].classes, 1, 10);
}

Status printTrend(const TrendJob& job, Printer& printer, Messages& messages) {
    printer.setPageSetup(PaperSize::A4, Orientation::Landscape);
    if (!printer.printDialog(false)) return Status::ok();
    const DrawPages draw = [&](Printer& on, int) { drawTrend(job, on); };
    if (!confirmPageFit(printer, messages, draw, 100, 100)) return Status::ok();
    if (Status begun = printer.beginDoc(); !begun) return begun;
    drawTrend(job, printer);
    return printer.endDoc();
}

}  // namespace jitsu::history
