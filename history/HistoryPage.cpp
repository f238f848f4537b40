// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryPage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "Cp932.h"
#include "Format.h"
#include "LineChart.h"
#include "PageFit.h"
#include "StudentHistory.h"
#include "TestList.h"

namespace jitsu::history {

namespace {

// One student's block, in dots from its top: the table from kTableTop, the chart from
// kChartGap under the table down to kChartBottom.
constexpr int kBlockHeight = 3350;
constexpr int kTableTop = 250;
constexpr int kChartGap = 260;
constexpr int kChartBottom = 3150;
constexpr int kLeft = 150;
constexpr int kFirstColumnX = 700;
constexpr int kTableRight = 4500;
constexpr int kBodyHeight = 1500;  // the rows of the tests together, at most
constexpr int kMinCellChars = 9;   // " 999/450 "

// One student's table and chart; the texts every block repeats are made once.
class HistoryBlock {
public:
    HistoryBlock(const HistoryJob& job, Canvas& canvas)
        : job_(job), page_(canvas), columns_(historyColumns(job.grade, job.year)) {
        const int n = std::max<int>(1, static_cast<int>(columns_.size()));
        const int tests = std::max<int>(1, static_cast<int>(job.year.tests.size()));
        lineHeight_ = std::min(75, kBodyHeight / (3 * tests));
        // An em is 25/3 dots a point; a line holds an em and a little. The figures of a line
        // are one text in the fixed-width face (far cheaper to print than a text a cell), so a
        // cell is a whole number of half-ems, at most 12.
        points_ = std::clamp((lineHeight_ - 8) * 3 / 25, 3, 9);
        const double available = kTableRight - kFirstColumnX;
        while (points_ > 3 && available / (n * halfEm()) < kMinCellChars) --points_;
        cellChars_ = std::min(12, static_cast<int>(available / (n * halfEm())));
        // The heads as one text too. A cell is at least 9 half-ems and a subject name at most 9
        // bytes: only such a name fills its cell without the blank before it.
        for (const HistoryColumn& column : columns_) {
            const int width = halfEms(column.label);
            heads_ +=
                (width < cellChars_ ? " " : "") + column.label +
                std::string(static_cast<std::size_t>(std::max(0, cellChars_ - 1 - width)), ' ');
        }
        heads_.erase(heads_.find_last_not_of(' ') + 1);
        title_ = job.testName + "　成績の推移";
        for (const TestResults& test : job.year.tests) testLabels_.push_back(testLabel(test.test));
    }

    void draw(int off, StudentSlot student) {
        page_.startPageOnWhite();
        page_.font(12);
        page_.text(kLeft, off + 60, title_);
        page_.font(10);
        page_.text(2300, off + 70, nameLine(student));
        table(off + kTableTop, student);
        chart(off + kTableTop + 90 + 3 * lineHeight_ * static_cast<int>(job_.year.tests.size()) +
                  kChartGap,
              off + kChartBottom, student);
    }

private:
    std::string nameLine(StudentSlot s) const {
        const GradeRoster& roster = job_.roster;
        return job_.grade.classNames[s.cls].utf8() + "ＨＲ  " + formatInt(s.slot + 1, 2) +
               " 番      " + roster.nameAt(roster.entryOf(s.cls, s.slot)).utf8();
    }

    double halfEm() const { return points_ * 25 / 6.0; }
    int columnX(int t) const {
        return kFirstColumnX + static_cast<int>(std::lround(t * cellChars_ * halfEm()));
    }

    // Column heads, then per test three lines: score, deviation score, rank / examinees.
    void table(int top, StudentSlot s) {
        const int n = static_cast<int>(columns_.size());
        const int bodyTop = top + 90;
        page_.font(points_);
        page_.text(kFirstColumnX, top + 15, heads_);
        const int rows = static_cast<int>(job_.year.tests.size());
        for (int i = 0; i < rows; ++i) {
            const int y = bodyTop + 3 * lineHeight_ * i + 4;
            page_.text(kLeft + 20, y + lineHeight_, testLabels_[i]);
            page_.text(kLeft + 250, y, "得点");
            page_.text(kLeft + 250, y + lineHeight_, "偏差値");
            page_.text(kLeft + 250, y + 2 * lineHeight_, "順位");
            std::array<std::string, 3> lines;  // scores, deviation scores, ranks
            const GradeResults& results = *job_.year.tests[i].results;
            for (int t = 0; t < n; ++t) {
                const HistoryCell cell = cellOf(results, columns_[t], s.cls, s.slot);
                if (cell.score >= 0) lines[0].append(" ").append(formatInt(cell.score, 3));
                if (cell.deviation != kNoValue)
                    lines[1].append(" ").append(formatFixed(cell.deviation, 1, 5));
                if (cell.rank >= 0)
                    lines[2]
                        .append(" ")
                        .append(formatInt(cell.rank, 3))
                        .append("/")
                        .append(formatInt(cell.examinees));
                for (std::string& line : lines)
                    line.resize(static_cast<std::size_t>(cellChars_ * (t + 1)), ' ');
            }
            for (int k = 0; k < 3; ++k) {
                const std::size_t end = lines[k].find_last_not_of(' ');
                if (end != std::string::npos)
                    page_.text(kFirstColumnX, y + k * lineHeight_, lines[k].substr(0, end + 1));
            }
        }
        const int bottom = bodyTop + 3 * lineHeight_ * rows;
        const int right = columnX(n);
        page_.line(kLeft, top, right, top);
        page_.line(kLeft, bodyTop - 1, right, bodyTop - 1);
        for (int i = 0; i <= rows; ++i)
            page_.line(kLeft, bodyTop + 3 * lineHeight_ * i, right, bodyTop + 3 * lineHeight_ * i);
        page_.line(kLeft, top, kLeft, bottom);
        page_.line(kLeft + 230, bodyTop, kLeft + 230, bottom);
        for (int t = 0; t <= n; ++t) page_.line(columnX(t), top, columnX(t), bottom);
    }

    // The deviation score of every column across the tests.
    void chart(int top, int bottom, StudentSlot s) {
        std::vector<Series> series;
        for (const HistoryColumn& column : columns_) {
            Series line{column.label, {}};
            for (const TestResults& test : job_.year.tests) {
                const float d = cellOf(*test.results, column, s.cls, s.slot).deviation;
                line.values.push_back(d != kNoValue ? std::optional<double>(d) : std::nullopt);
            }
            series.push_back(std::move(line));
        }
        // The legend in rows under the test labels, as many entries a row as the width holds.
        int widest = 0;
        for (const Series& line : series) widest = std::max(widest, halfEms(line.label));
        const int cell = widest + 6;
        const int perRow = std::max(1, (kTableRight - kFirstColumnX) * 3 / (100 * cell));
        const int legendRows = (static_cast<int>(series.size()) + perRow - 1) / perRow;
        const int legendTop = bottom - kLegendRow * legendRows;
        ChartFrame frame{kFirstColumnX, top, kTableRight, legendTop - 130, 0, 0, 10};
        frame = fitRange(frame, series, std::pair{30, 70});
        page_.font(8);
        page_.text(kLeft, top - 100, "偏差値");
        drawBand(page_, frame, 40, 60, 50);
        drawAxes(page_, frame, testLabels_);
        drawSeries(page_, frame, series);
        drawLegend(page_, kFirstColumnX, legendTop, series, perRow, cell);
    }

    const HistoryJob& job_;
    ScaledPage page_;
    std::vector<HistoryColumn> columns_;
    int lineHeight_ = 0, points_ = 9, cellChars_ = 12;
    std::string title_, heads_;  // heads_: the column heads as one text
    std::vector<std::string> testLabels_;
};

}  // namespace

std::vector<StudentSlot> chooseStudents(const GradeData& grade,
                                        const std::array<bool, kMaxClasses>& classes,
                                        const std::vector<int>& numbers) {
    std::vector<StudentSlot> students;
    for (int c = 0; c < grade.classes(); ++c) {
        if (!classes[c]) continue;
        const int slots = grade.studentSlots(c);
        for (int s = 0; s < slots; ++s)
            if (numbers.empty() ||
                std::find(numbers.begin(), numbers.end(), s + 1) != numbers.end())
                students.push_back({c, s});
    }
    return students;
}

void drawHistory(const HistoryJob& job, PageRange range, Printer& printer) {
    HistoryBlock block(job, printer.canvas());
    const int count = static_cast<int>(job.students.size());
    for (int first = 0; first < count; first += 2) {
        if (!range.contains(first / 2 + 1)) continue;
        printer.newPage();
        for (int b = 0; b < 2 && first + b < count; ++b)
            block.draw(kBlockHeight * b, job.students[first + b]);
    }
}

Status printHistory(const HistoryJob& job, Printer& printer, Messages& messages) {
    printer.setPageSetup(PaperSize::A4, Orientation::Portrait);
    const std::optional<PageRange> range = printer.printDialog(true);
    if (!range) return Status::ok();
    const DrawPages draw = [&](Printer& on, int) { drawHistory(job, *range, on); };
    if (!confirmPageFit(printer, messages, draw, 100, 100)) return Status::ok();
    if (Status begun = printer.beginDoc(); !begun) return begun;
    drawHistory(job, *range, printer);
    return printer.endDoc();
}

}  // namespace jitsu::history
