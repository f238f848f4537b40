// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

#include "Messages.h"
#include "Printer.h"

namespace jitsu {

// How far drawn pages reach, in dots from the top left corner of the printable area.
struct PageExtent {
    int right = 0;
    int bottom = 0;
    bool fits(PageArea area) const { return right <= area.width && bottom <= area.height; }
};

// Draws a document's pages, without beginning or ending it, at a print magnification in percent.
using DrawPages = std::function<void(Printer& printer, int percent)>;

// The extent of all pages that `draw` draws at `percent`. Texts are measured in the canvas's
// fixed-width face: half an em wide for an ASCII or half-width kana character, an em for any
// other, an em high.
PageExtent measurePages(const DrawPages& draw, int percent);

// The largest magnification from `percent` down to `minPercent` at which every page fits
// `area`; nullopt when none does.
std::optional<int> fittingPercent(const DrawPages& draw, PageArea area, int percent,
                                  int minPercent);

// Called after the print dialog, before printing: when a page drawn at `percent` leaves the
// printable area of the printer's sheet, a warning names the largest magnification in the
// allowed range (down to `minPercent`) that fits and asks whether to print anyway; Esc goes
// back. True to print: always when the pages fit.
bool confirmPageFit(Printer& printer, Messages& messages, const DrawPages& draw, int percent,
                    int minPercent);

}  // namespace jitsu
