// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "Canvas.h"
#include "PrintScale.h"
#include "Printer.h"

namespace jitsu::summaryprint {

// Draws a list onto the open print job: every position and line end passes through
// scaleLayout, every font size through scaleFont.
class ScaledPage {
public:
    ScaledPage(Printer& printer, PrintScale scale) : printer_(printer), scale_(scale) {}

    // What every page of a list sets before it draws: black pen and font, bold.
    void startPage();
    void font(int points);
    void text(int x, int y, std::string_view utf8);
    void line(int x1, int y1, int x2, int y2);
    // A rectangle filled with `fill` and outlined with the pen; the fill returns to white
    // afterwards, so that later texts stand on white.
    void bar(int x1, int y1, int x2, int y2, Color fill);
    void pageBreak() { printer_.newPage(); }

private:
    int at(int v) const { return scale_.scaleLayout(v); }
    Canvas& canvas() { return printer_.canvas(); }

    Printer& printer_;
    PrintScale scale_;
};

}  // namespace jitsu::summaryprint
