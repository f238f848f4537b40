// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "Canvas.h"
#include "PrintScale.h"

namespace jitsu {

// What every printed page draws with: every position and line end passes through the scale's
// scaleLayout, every font size through scaleFont (at 100 percent, as they are).
class ScaledPage {
public:
    explicit ScaledPage(Canvas& canvas, PrintScale scale = {}) : canvas_(canvas), scale_(scale) {}

    // What every page sets before it draws: black pen and font, bold.
    void startPage();
    // The same with a white fill set before the bold, for pages that fill shapes.
    void startPageOnWhite();
    void font(int points);
    void text(int x, int y, std::string_view utf8);
    void line(int x1, int y1, int x2, int y2);
    // A rectangle filled with `fill` and outlined with the pen; the fill returns to white
    // afterwards, so that later texts stand on white.
    void bar(int x1, int y1, int x2, int y2, Color fill);

    Canvas& canvas() { return canvas_; }

private:
    int at(int v) const { return scale_.scaleLayout(v); }

    Canvas& canvas_;
    PrintScale scale_;
};

}  // namespace jitsu
