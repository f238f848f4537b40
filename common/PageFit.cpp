// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageFit.h"

#include <algorithm>
#include <string>

#include "MessageTexts.h"

namespace jitsu {

namespace {

class ExtentCanvas : public Canvas {
public:
    PageExtent extent;

    void setPenColor(Color) override {}
    void setBrushColor(Color) override {}
    void setFontColor(Color) override {}
    void setFontSize(int points) override { points_ = points; }
    void setBold(bool) override {}
    void textOut(int x, int y, std::string_view text) override {
        const int em = points_ * 600 / 72;
        reach(x + em * halfEms(text) / 2, y + em);
    }
    void moveTo(int x, int y) override { x_ = x, y_ = y; }
    void lineTo(int x, int y) override {
        reach(std::max(x, x_) + 1, std::max(y, y_) + 1);
        moveTo(x, y);
    }
    void rectangle(int, int, int x2, int y2) override { reach(x2, y2); }

private:
    void reach(int right, int bottom) {
        extent.right = std::max(extent.right, right);
        extent.bottom = std::max(extent.bottom, bottom);
    }
    int points_ = 10;
    int x_ = 0, y_ = 0;
};

// A printer without paper that only measures.
class ExtentPrinter : public Printer {
public:
    ExtentCanvas measured;

    void setPageSetup(std::optional<PaperSize>, std::optional<Orientation>) override {}
    std::optional<PageRange> printDialog(bool) override { return PageRange{}; }
    PageArea printableArea() const override { return {}; }

protected:
    Status doBeginDoc() override { return Status::ok(); }
    void doStartSheet(int) override {}
    Status doEndDoc() override { return Status::ok(); }
    Canvas& pageCanvas() override { return measured; }
};

}  // namespace

PageExtent measurePages(const DrawPages& draw, int percent) {
    ExtentPrinter printer;
    draw(printer, percent);
    return printer.measured.extent;
}

std::optional<int> fittingPercent(const DrawPages& draw, PageArea area, int percent,
                                  int minPercent) {
    const PageExtent extent = measurePages(draw, percent);
    if (extent.fits(area)) return percent;
    // Positions scale with the magnification, so this is close to the answer; texts whose
    // size does not scale with it may need a few steps more.
    int guess = percent;
    if (extent.right > 0 && extent.bottom > 0)
        guess = std::min({percent - 1, percent * area.width / extent.right,
                          percent * area.height / extent.bottom});
    for (int p = std::max(guess, minPercent); p >= minPercent; --p)
        if (measurePages(draw, p).fits(area)) return p;
    return std::nullopt;
}

bool confirmPageFit(Printer& printer, Messages& messages, const DrawPages& draw, int percent,
                    int minPercent) {
    const PageArea area = printer.printableArea();
    const PageExtent extent = measurePages(draw, percent);
    if (extent.fits(area)) return true;
    const std::optional<int> fitting = fittingPercent(draw, area, percent, minPercent);
    const std::string text =
        std::string(tr(text::kPageTooLarge)) +
        (fitting
             ? because(N_(" They fit at a print magnification of {1}% or less. "), *fitting)
             : because(N_(" They do not fit even at a print magnification of {1}%. "), minPercent))
            .text() +
        std::string(tr(text::kPrintAnyway));
    const std::string detail =
        because(N_("printable area: {1} wide × {2} high, page: {3} wide × {4} high, in dots "
                   "(600 dpi)"),
                area.width, area.height, extent.right, extent.bottom)
            .text();
    return messages.ask(text, text::kWarning, MessageIcon::Exclamation, MessageButtons::YesNo,
                        MessageAnswer::No, detail) == MessageAnswer::Yes;
}

}  // namespace jitsu
