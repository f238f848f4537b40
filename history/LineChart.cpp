// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineChart.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "Format.h"

namespace jitsu::history {

namespace {

constexpr int kMarker = 14;  // half the width of a marker
constexpr Color kBandFill{225, 225, 225};
constexpr Color kGridColor{170, 170, 170};

void marker(ScaledPage& page, int x, int y, int k, Color color) {
    page.canvas().setPenColor(color);
    switch (k / 10 % 3) {
        case 0:
        case 1:
            page.canvas().setBrushColor(k / 10 % 3 == 0 ? color : kWhite);
            page.canvas().rectangle(x - kMarker, y - kMarker, x + kMarker + 1, y + kMarker + 1);
            page.canvas().setBrushColor(kWhite);
            break;
        default:
            page.line(x - kMarker, y - kMarker, x + kMarker, y + kMarker);
            page.line(x - kMarker, y + kMarker, x + kMarker, y - kMarker);
    }
}

}  // namespace

int ChartFrame::yOf(double v) const {
    const double clamped = std::clamp(v, double(low), double(high));
    return bottom - static_cast<int>(std::lround((clamped - low) * (bottom - top) / (high - low)));
}

Color seriesColor(int k) {
    static constexpr std::array<Color, 10> kColors = {{{0, 0, 0},
                                                       {220, 0, 0},
                                                       {0, 70, 220},
                                                       {0, 150, 0},
                                                       {230, 120, 0},
                                                       {150, 0, 170},
                                                       {0, 160, 170},
                                                       {140, 90, 40},
                                                       {230, 0, 140},
                                                       {110, 110, 110}}};
    return kColors[static_cast<std::size_t>(k % 10)];
}

ChartFrame fitRange(ChartFrame frame, const std::vector<Series>& series,
                    std::optional<std::pair<int, int>> keep) {
    double lo = keep ? keep->first : frame.low, hi = keep ? keep->second : frame.low + frame.step;
    for (const Series& s : series)
        for (const auto& v : s.values)
            if (v) lo = std::min(lo, *v), hi = std::max(hi, *v);
    frame.low = static_cast<int>(std::floor(lo / frame.step)) * frame.step;
    frame.high = static_cast<int>(std::ceil(hi / frame.step)) * frame.step;
    if (frame.high == frame.low) frame.high += frame.step;
    return frame;
}

void drawBand(ScaledPage& page, const ChartFrame& frame, int from, int to, int mark) {
    page.canvas().setPenColor(kBandFill);
    page.canvas().setBrushColor(kBandFill);
    page.canvas().rectangle(frame.left, frame.yOf(to), frame.right, frame.yOf(from) + 1);
    page.canvas().setBrushColor(kWhite);
    page.canvas().setPenColor(kBlack);
    page.line(frame.left, frame.yOf(mark), frame.right, frame.yOf(mark));
    page.line(frame.left, frame.yOf(mark) + 1, frame.right, frame.yOf(mark) + 1);
}

std::string axisLabels(const ChartFrame& frame, const std::vector<std::string>& xLabels) {
    const int count = static_cast<int>(xLabels.size());
    std::string labels;
    int used = 0;  // half-ems of 8 pt, 100/3 dots
    for (int i = 0; i < count; ++i) {
        const int width = halfEms(xLabels[i]);
        const double start = (frame.xOf(i, count) - frame.left) * 3 / 100.0 - width / 2.0;
        const int at = std::max(used + (i > 0 ? 1 : 0), static_cast<int>(std::lround(start)));
        labels += std::string(static_cast<std::size_t>(at - used), ' ') + xLabels[i];
        used = at + width;
    }
    return labels;
}

void drawAxes(ScaledPage& page, const ChartFrame& frame, const std::vector<std::string>& xLabels) {
    page.font(8);
    page.canvas().setPenColor(kGridColor);
    for (int v = frame.low; v <= frame.high; v += frame.step) {
        const std::string label = formatInt(v, 3);
        page.text(frame.left - 40 - 33 * static_cast<int>(label.size()), frame.yOf(v) - 33, label);
        if (v != frame.low && v != frame.high)
            page.line(frame.left, frame.yOf(v), frame.right, frame.yOf(v));
    }
    const std::string labels = axisLabels(frame, xLabels);
    if (!labels.empty()) page.text(frame.left, frame.bottom + 20, labels);
    page.canvas().setPenColor(kBlack);
    page.canvas().setBrushColor(kWhite);
    page.line(frame.left, frame.top, frame.right, frame.top);
    page.line(frame.right, frame.top, frame.right, frame.bottom);
    page.line(frame.right, frame.bottom, frame.left, frame.bottom);
    page.line(frame.left, frame.bottom, frame.left, frame.top);
}

void drawSeries(ScaledPage& page, const ChartFrame& frame, const std::vector<Series>& series) {
    for (int k = 0; k < static_cast<int>(series.size()); ++k) {
        const auto& values = series[k].values;
        const int count = static_cast<int>(values.size());
        page.canvas().setPenColor(seriesColor(k));
        for (int i = 0; i + 1 < count; ++i)
            if (values[i] && values[i + 1])
                for (int d = 0; d < 2; ++d)  // two dots wide
                    page.line(frame.xOf(i, count), frame.yOf(*values[i]) + d,
                              frame.xOf(i + 1, count), frame.yOf(*values[i + 1]) + d);
        // A marker where no line shows the value, and on every value of a series whose colour
        // an earlier one has: there the shape tells them apart.
        for (int i = 0; i < count; ++i) {
            const bool joined = (i > 0 && values[i - 1]) || (i + 1 < count && values[i + 1]);
            if (values[i] && (k >= 10 || !joined))
                marker(page, frame.xOf(i, count), frame.yOf(*values[i]), k, seriesColor(k));
        }
    }
    page.canvas().setPenColor(kBlack);
}

void drawLegend(ScaledPage& page, int x, int y, const std::vector<Series>& series, int perRow,
                int cellHalfEms) {
    page.font(8);
    const int count = static_cast<int>(series.size());
    // Each row's labels are one text, each after four half-ems for its sample, which is drawn
    // afterwards: the text's white ground would cover it.
    for (int first = 0; first < count; first += perRow) {
        const int top = y + kLegendRow * (first / perRow);
        std::string labels;
        for (int k = first; k < std::min(count, first + perRow); ++k)
            labels += "    " + series[k].label +
                      std::string(static_cast<std::size_t>(
                                      std::max(0, cellHalfEms - 4 - halfEms(series[k].label))),
                                  ' ');
        labels.erase(labels.find_last_not_of(' ') + 1);
        page.text(x, top, labels);
        for (int k = first; k < std::min(count, first + perRow); ++k) {
            const int left = x + (k - first) * cellHalfEms * 100 / 3 + 10;
            page.canvas().setPenColor(seriesColor(k));
            for (int d = 0; d < 2; ++d) page.line(left, top + 33 + d, left + 103, top + 33 + d);
            marker(page, left + 51, top + 33, k, seriesColor(k));
        }
    }
    page.canvas().setPenColor(kBlack);
}

}  // namespace jitsu::history
