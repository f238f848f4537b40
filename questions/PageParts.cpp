// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageParts.h"

#include <algorithm>
#include <cmath>

#include "Format.h"

namespace jitsu::questions {

void drawTitle(ScaledPage& page, const std::string& title, std::string_view what) {
    page.font(12);
    std::string line = title;
    page.text(kLeft, 60, line.append("　").append(what));
}

std::string rateText(const Rate& rate) {
    const auto percent = rate.shownPercent();
    return percent ? formatFixed(*percent, 1) : "－";
}

void drawRateCell(ScaledPage& page, int x, int y, int width, int height, const Rate& rate) {
    const bool low = rate.underHalf();
    if (low) page.canvas().setFontColor(kRed);
    page.text(x + 10, y + 6, rateText(rate));
    if (low) page.canvas().setFontColor(kBlack);
    const int length =
        rate.possible > 0
            ? static_cast<int>(std::lround((width - 20) * double(rate.earned) / rate.possible))
            : 0;
    if (length > 0)
        page.bar(x + 10, y + height - 30, x + 10 + length, y + height - 8,
                 low ? kBarRed : kBarGrey);
}

int fittingPoints(int width, int halfEms, int points) {
    // Half an em is 25/6 dots a point.
    return std::clamp(width * 6 / (25 * std::max(1, halfEms)), 4, points);
}

}  // namespace jitsu::questions
