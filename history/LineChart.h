// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ScaledPage.h"

namespace jitsu::history {

// One line of a chart: a value per test, nullopt where there is none (drawn as a gap).
struct Series {
    std::string label;  // UTF-8
    std::vector<std::optional<double>> values;
};

// The plot box of a chart in dots and the values its bottom and top edges stand for; a
// horizontal grid line is drawn every `step`.
struct ChartFrame {
    int left = 0, top = 0, right = 0, bottom = 0;
    int low = 0, high = 100, step = 10;

    // The y of value `v` (clamped to the box), the x of test position `i` of `count`.
    int yOf(double v) const;
    int xOf(int i, int count) const { return left + (right - left) * (2 * i + 1) / (2 * count); }
};

// The colour of series `k`; colours repeat after ten, the marker shape tells those apart.
Color seriesColor(int k);

// The smallest multiples of `step` from `low` up that hold every value and, when given, the
// band `keep` (low, high).
ChartFrame fitRange(ChartFrame frame, const std::vector<Series>& series,
                    std::optional<std::pair<int, int>> keep = std::nullopt);

// The shaded band between values `from` and `to` and a heavier rule at `mark`.
void drawBand(ScaledPage& page, const ChartFrame& frame, int from, int to, int mark);
// Grid lines and their values at the left, the frame, and the test labels under it (8 pt,
// one text from the frame's left edge: axisLabels).
void drawAxes(ScaledPage& page, const ChartFrame& frame, const std::vector<std::string>& xLabels);
// The test labels as drawAxes draws them: one text, each label centred under its test to the
// nearest half-em, at least a blank after the one before (so it may reach past the frame).
std::string axisLabels(const ChartFrame& frame, const std::vector<std::string>& xLabels);
// Every series: a line two dots wide between values of neighbouring tests, none across a gap;
// a marker (square, open square, cross by k ÷ 10) on a value without a line, and on every
// value of series 10 on, whose colours repeat.
void drawSeries(ScaledPage& page, const ChartFrame& frame, const std::vector<Series>& series);
// The legend from (x, y) down at 8 pt: `perRow` entries a row, rows kLegendRow apart, each
// entry `cellHalfEms` half-ems wide, its sample line and marker in the first four.
inline constexpr int kLegendRow = 80;
void drawLegend(ScaledPage& page, int x, int y, const std::vector<Series>& series, int perRow,
                int cellHalfEms);

}  // namespace jitsu::history
