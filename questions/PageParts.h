// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "QuestionAnalysis.h"
#include "ScaledPage.h"

namespace jitsu::questions {

// The area every page draws in, in dots of A4 portrait.
inline constexpr int kLeft = 150;
inline constexpr int kRight = 4600;
inline constexpr int kBottom = 6700;

inline constexpr Color kBarGrey{170, 170, 170};
inline constexpr Color kBarRed{235, 120, 120};

// The page's title at the top: the job's title and what the page shows.
void drawTitle(ScaledPage& page, const std::string& title, std::string_view what);

// "62.5", or "－" when nobody sat.
std::string rateText(const Rate& rate);

// A rate in a cell: its figure at the top left in the font set, a bar under it as long as the
// rate of the cell's width, both red under half.
void drawRateCell(ScaledPage& page, int x, int y, int width, int height, const Rate& rate);

// The largest font, up to `points`, in which `halfEms` half-ems fit in `width` dots.
int fittingPoints(int width, int halfEms, int points);

}  // namespace jitsu::questions
