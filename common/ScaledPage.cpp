// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScaledPage.h"

namespace jitsu {

void ScaledPage::startPage() {
    canvas().setPenColor(kBlack);
    canvas().setFontColor(kBlack);
    canvas().setBold(true);
}

void ScaledPage::startPageOnWhite() {
    canvas().setPenColor(kBlack);
    canvas().setFontColor(kBlack);
    canvas().setBrushColor(kWhite);
    canvas().setBold(true);
}

void ScaledPage::font(int points) { canvas().setFontSize(scale_.scaleFont(points)); }

void ScaledPage::text(int x, int y, std::string_view utf8) { canvas().textOut(at(x), at(y), utf8); }

void ScaledPage::line(int x1, int y1, int x2, int y2) {
    canvas().moveTo(at(x1), at(y1));
    canvas().lineTo(at(x2), at(y2));
}

void ScaledPage::bar(int x1, int y1, int x2, int y2, Color fill) {
    canvas().setBrushColor(fill);
    canvas().rectangle(at(x1), at(y1), at(x2), at(y2));
    canvas().setBrushColor(kWhite);
}

}  // namespace jitsu
