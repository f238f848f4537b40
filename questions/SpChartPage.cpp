// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>

#include "Cp932.h"
#include "Format.h"
#include "PageParts.h"
#include "ReportPages.h"

namespace jitsu::questions {

namespace {

constexpr int kChartTop = 400;
constexpr int kChartHeadHeight = 150;
constexpr int kNamesWidth = 800;
constexpr int kCellsX = kLeft + kNamesWidth;
constexpr int kCellsRight = kRight - 700;  // then 正答数, 得点 and the caution index
constexpr int kEntryWidth = 740;           // an entry of the list of questions' indices
constexpr int kEntryHeight = 90;

std::string cautionText(double index) {
    return formatFixed(index, 2) + (cautionFlagged(index) ? "＊" : "");
}

// One class's chart: a row of 1 and ・ a student, one text in the fixed-width face whose cells
// are two half-ems, so that the curves fall on the cells' edges.
class ChartPage {
public:
    ChartPage(const ReportData& data, int cls)
        : data_(data), cls_(cls), chart_(spChart(data.job.marks, cls)) {
        const int n = std::max<int>(1, static_cast<int>(chart_.questions.size()));
        const int rows = std::max<int>(1, static_cast<int>(chart_.students.size()));
        listRows_ = (n + entriesPerRow() - 1) / entriesPerRow();
        const int listTop = kBottom - 120 - listRows_ * kEntryHeight;
        rowHeight_ =
            std::clamp((listTop - 100 - kChartTop - kChartHeadHeight) / (rows + 1), 40, 110);
        // An em is 25/3 dots a point: a cell of two half-ems is as many dots.
        points_ = std::clamp(
            std::min((kCellsRight - kCellsX) * 3 / (25 * n), (rowHeight_ - 6) * 3 / 25), 3, 12);
    }

    void draw(ScaledPage& page) {
        const QuestionMarks& marks = data_.job.marks;
        drawTitle(page, data_.job.title, "S-P表　" + data_.job.classNames[cls_ - 1] + "組");
        page.font(8);
        page.text(kLeft, 220,
                  "1 は正答（満点）。黒線は S 曲線、赤線は P 曲線。注意係数 0.50 以上に ＊。");
        const int bodyTop = kChartTop + kChartHeadHeight;
        const int rows = static_cast<int>(chart_.students.size());
        const int columns = static_cast<int>(chart_.questions.size());

        int widest = 1;
        for (int q : chart_.questions)
            widest = std::max(widest, halfEms(cp932ToUtf8(marks.questions[q].label)));
        page.font(fittingPoints(cellWidth(), widest + 1, points_));
        for (int c = 0; c < columns; ++c)
            page.text(columnX(c), kChartTop + 40,
                      cp932ToUtf8(marks.questions[chart_.questions[c]].label));
        page.font(8);
        page.text(kLeft + 15, kChartTop + 40, "番号　氏名");
        page.text(kCellsRight + 20, kChartTop + 40, "正答数 得点 注意係数");

        const int textPoints = std::min(8, (rowHeight_ - 6) * 3 / 25);
        for (int r = 0; r < rows; ++r) {
            const int y = rowY(r) + 4;
            const auto s = static_cast<std::size_t>(chart_.students[r]);
            page.font(textPoints);
            std::string name = formatInt(marks.students[s].slot, 2);
            if (s < data_.job.studentNames.size())
                name.append(" ").append(data_.job.studentNames[s]);
            page.text(kLeft + 15, y, name);
            page.text(kCellsRight + 20, y,
                      formatInt(chart_.studentRight[r], 4) +
                          formatInt(scoreOf(marks.students[s]), 6) + "   " +
                          cautionText(chart_.studentCaution[r]));
            std::string cells;
            for (int c = 0; c < columns; ++c) cells += chart_.right(r, c) ? "1 " : "・";
            if (cells.ends_with(' ')) cells.pop_back();
            page.font(points_);
            page.text(kCellsX, y, cells);
        }
        const int footY = rowY(rows);
        page.font(textPoints);
        page.text(kLeft + 15, footY + 4, "正答数");
        page.font(fittingPoints(cellWidth(), 3, points_));
        for (int c = 0; c < columns; ++c)
            page.text(columnX(c), footY + 4, formatInt(chart_.questionRight[c]));

        const int bottom = footY + rowHeight_;
        page.line(kLeft, kChartTop, kRight, kChartTop);
        page.line(kLeft, bodyTop, kRight, bodyTop);
        page.line(kLeft, footY, kRight, footY);
        page.line(kLeft, bottom, kRight, bottom);
        for (int x : {kLeft, kCellsX, columnX(columns), kRight}) page.line(x, kChartTop, x, bottom);
        curves(page);
        questionList(page, bottom + 100);
    }

private:
    int cellWidth() const { return points_ * 25 / 3; }
    int columnX(int c) const {
        return kCellsX + static_cast<int>(std::lround(c * points_ * 25 / 3.0));
    }
    int rowY(int r) const { return kChartTop + kChartHeadHeight + r * rowHeight_; }
    static int entriesPerRow() { return (kRight - kLeft) / kEntryWidth; }

    // S after each row's number right, P under each column's.
    void curves(ScaledPage& page) {
        const int rows = static_cast<int>(chart_.students.size());
        const int columns = static_cast<int>(chart_.questions.size());
        for (int r = 0; r < rows; ++r) {
            const int x = columnX(chart_.studentRight[r]);
            page.line(x, rowY(r), x, rowY(r + 1));
            if (r + 1 < rows)
                page.line(x, rowY(r + 1), columnX(chart_.studentRight[r + 1]), rowY(r + 1));
        }
        page.canvas().setPenColor(kRed);
        for (int c = 0; c < columns; ++c) {
            const int y = rowY(chart_.questionRight[c]);
            page.line(columnX(c), y, columnX(c + 1), y);
            if (c + 1 < columns)
                page.line(columnX(c + 1), y, columnX(c + 1), rowY(chart_.questionRight[c + 1]));
        }
        page.canvas().setPenColor(kBlack);
    }

    // Each question's number right, rate and caution index, in the chart's order.
    void questionList(ScaledPage& page, int top) {
        const QuestionMarks& marks = data_.job.marks;
        const int present = static_cast<int>(chart_.students.size());
        page.font(8);
        page.text(kLeft, top, "問題の注意係数（問・正答数・注意係数）");
        for (std::size_t c = 0; c < chart_.questions.size(); ++c) {
            const int k = static_cast<int>(c);
            const int x = kLeft + (k % entriesPerRow()) * kEntryWidth;
            const int y = top + 100 + (k / entriesPerRow()) * kEntryHeight;
            page.text(x, y,
                      cp932ToUtf8(marks.questions[chart_.questions[c]].label) + "  " +
                          formatInt(chart_.questionRight[c], 2) + "/" + formatInt(present) + "  " +
                          cautionText(chart_.questionCaution[c]));
        }
    }

    const ReportData& data_;
    int cls_;
    SpChart chart_;
    int listRows_ = 1, rowHeight_ = 110, points_ = 10;
};

}  // namespace

void addChartPages(const ReportData& data, std::vector<PageDrawer>& pages) {
    for (int cls : data.chosenClasses()) {
        const bool sat = std::any_of(data.job.marks.students.begin(), data.job.marks.students.end(),
                                     [cls](const StudentMarks& s) { return s.cls == cls; });
        if (sat)
            pages.push_back([&data, cls](ScaledPage& page) { ChartPage(data, cls).draw(page); });
    }
}

}  // namespace jitsu::questions
