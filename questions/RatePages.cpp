// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <span>

#include "Cp932.h"
#include "Format.h"
#include "PageParts.h"
#include "ReportPages.h"

namespace jitsu::questions {

namespace {

constexpr int kHeadHeight = 100;
constexpr int kRowHeight = 110;
constexpr int kTableTop = 350;
constexpr int kRatesX = 2000;  // where the rate cells begin, on both pages

struct TextColumn {
    const char* head;
    int width;
};
constexpr TextColumn kQuestionColumns[] = {
    {"問", 250}, {"配点", 200}, {"領域", 700}, {"観点", 700}};
constexpr TextColumn kGroupColumns[] = {{"", 1350}, {"設問数", 250}, {"配点", 250}};

struct RateRow {
    std::vector<std::string> texts;  // one per text column, UTF-8
    const GradeRates& rates;
};

// The rates of the grade and of every class as a table under text columns, from `top`; returns
// its bottom. `firstHead` names the first column where the columns leave it empty.
int drawRateTable(ScaledPage& page, const ReportData& data, int top, int rowHeight,
                  std::span<const TextColumn> columns, const char* firstHead,
                  const std::vector<RateRow>& rows) {
    const int cells = 1 + data.classCount;
    const int cellWidth = (kRight - kRatesX) / cells;
    const int points = fittingPoints(cellWidth - 20, 5, 8);
    const int bottom = top + kHeadHeight + rowHeight * static_cast<int>(rows.size());
    std::vector<int> xs{kLeft};
    for (const TextColumn& column : columns) xs.push_back(xs.back() + column.width);

    page.font(8);
    for (std::size_t k = 0; k < columns.size(); ++k)
        page.text(xs[k] + 15, top + 15, *columns[k].head ? columns[k].head : firstHead);
    page.font(points);
    page.text(kRatesX + 10, top + 15, "学年");
    for (int c = 0; c < data.classCount; ++c)
        page.text(kRatesX + cellWidth * (c + 1) + 10, top + 15, data.job.classNames[c] + "組");

    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int y = top + kHeadHeight + rowHeight * static_cast<int>(r);
        page.font(8);
        for (std::size_t k = 0; k < columns.size(); ++k)
            page.text(xs[k] + 15, y + 15, rows[r].texts[k]);
        page.font(points);
        drawRateCell(page, kRatesX, y, cellWidth, rowHeight, rows[r].rates.grade);
        for (int c = 0; c < data.classCount; ++c)
            drawRateCell(page, kRatesX + cellWidth * (c + 1), y, cellWidth, rowHeight,
                         rows[r].rates.classes[c]);
    }

    const int right = kRatesX + cellWidth * cells;
    page.line(kLeft, top, right, top);
    for (int y = top + kHeadHeight; y <= bottom; y += rowHeight) page.line(kLeft, y, right, y);
    for (int x : xs) page.line(x, top, x, bottom);
    for (int c = 1; c <= cells; ++c)
        page.line(kRatesX + cellWidth * c, top, kRatesX + cellWidth * c, bottom);
    return bottom;
}

void drawLegend(ScaledPage& page, int y) {
    page.font(8);
    page.text(kLeft, y,
              "正答率（％）＝ 得点の合計 ÷（配点 × 受験者数）。50％ 未満は赤、＊ は学年で 50％ "
              "未満の設問。");
}

std::vector<RateRow> groupRows(const std::vector<GroupRates>& groups) {
    std::vector<RateRow> rows;
    for (const GroupRates& group : groups)
        rows.push_back({{cp932ToUtf8(group.name), formatInt(group.questionCount, 3),
                         formatInt(group.points, 3)},
                        group.rates});
    return rows;
}

}  // namespace

void addRatePages(const ReportData& data, std::vector<PageDrawer>& pages) {
    const int perPage = (kBottom - kTableTop - kHeadHeight) / kRowHeight;
    const int count = static_cast<int>(data.questions.size());
    for (int first = 0; first == 0 || first < count; first += perPage)
        pages.push_back([&data, first, perPage, count](ScaledPage& page) {
            drawTitle(page, data.job.title, "設問別正答率表");
            drawLegend(page, 220);
            std::vector<RateRow> rows;
            for (int q = first; q < std::min(count, first + perPage); ++q) {
                const Question& question = data.job.marks.questions[q];
                const GradeRates& rates = data.questions[q];
                std::string label = cp932ToUtf8(question.label);
                if (rates.grade.underHalf()) label += "＊";
                rows.push_back({{label, formatInt(question.points, 3), cp932ToUtf8(question.domain),
                                 cp932ToUtf8(question.viewpoint)},
                                rates});
            }
            drawRateTable(page, data, kTableTop, kRowHeight, kQuestionColumns, "", rows);
        });
}

void addGroupPage(const ReportData& data, std::vector<PageDrawer>& pages) {
    pages.push_back([&data](ScaledPage& page) {
        drawTitle(page, data.job.title, "領域・観点別正答率表");
        drawLegend(page, 220);
        const std::vector<RateRow> domains = groupRows(data.domains);
        const std::vector<RateRow> viewpoints = groupRows(data.viewpoints);
        // Both tables on the page: rows shrink when there are many.
        const int rows = std::max<int>(1, static_cast<int>(domains.size() + viewpoints.size()));
        const int rowHeight =
            std::clamp((kBottom - kTableTop - 2 * kHeadHeight - 250) / rows, 60, kRowHeight);
        page.font(10);
        const int domainTop = kTableTop + 80;
        page.text(kLeft, domainTop - 90, "領域別");
        const int bottom =
            drawRateTable(page, data, domainTop, rowHeight, kGroupColumns, "領域", domains);
        page.font(10);
        page.text(kLeft, bottom + 80, "観点別");
        drawRateTable(page, data, bottom + 170, rowHeight, kGroupColumns, "観点", viewpoints);
    });
}

}  // namespace jitsu::questions
