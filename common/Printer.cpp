// SPDX-License-Identifier: GPL-3.0-or-later
#include "Printer.h"

namespace jitsu {

Status Printer::beginDoc() {
    sheets_ = 0;
    sheetPending_ = true;
    return doBeginDoc();
}

Status Printer::endDoc() {
    sheetPending_ = false;
    return doEndDoc();
}

Canvas& Printer::SheetCanvas::target() {
    if (printer_.sheetPending_) {
        printer_.sheetPending_ = false;
        printer_.doStartSheet(++printer_.sheets_);
    }
    return printer_.pageCanvas();
}

void setPaper(Printer& printer, int paperCode, int orientationCode) {
    std::optional<PaperSize> paper;
    switch (paperCode) {
        case 13:
            paper = PaperSize::A3;
            break;
        case 14:
            paper = PaperSize::A4;
            break;
        case 24:
            paper = PaperSize::B4;
            break;
        case 25:
            paper = PaperSize::B5;
            break;
        default:
            break;
    }
    std::optional<Orientation> orientation;
    if (orientationCode == 1) orientation = Orientation::Portrait;
    if (orientationCode == 2) orientation = Orientation::Landscape;
    printer.setPageSetup(paper, orientation);
}

std::string_view paperName(PaperSize paper) {
    switch (paper) {
        case PaperSize::A3:
            return "A3";
        case PaperSize::A4:
            return "A4";
        case PaperSize::B4:
            return "B4";
        case PaperSize::B5:
            return "B5";
    }
    return "?";
}

PageArea sheetDots(PaperSize paper) {
    auto dots = [](int mm) { return mm * 6000 / 254; };
    switch (paper) {
        case PaperSize::A3:
            return {dots(297), dots(420)};
        case PaperSize::A4:
            return {dots(210), dots(297)};
        case PaperSize::B4:
            return {dots(257), dots(364)};
        case PaperSize::B5:
            return {dots(182), dots(257)};
    }
    return {};
}

std::string_view orientationName(Orientation orientation) {
    return orientation == Orientation::Portrait ? "portrait" : "landscape";
}

std::string printDialogTitle(int grade, std::optional<PaperSize> paper,
                             std::optional<Orientation> orientation) {
    static const char* const kGrades[] = {"１年", "２年", "３年"};
    std::string title = "印刷";
    if (grade >= 0 && grade < static_cast<int>(std::size(kGrades))) {
        title += " — ";
        title += kGrades[grade];
    }
    if (paper) {
        title += " — 用紙 ";
        title += paperName(*paper);
        if (orientation) title += *orientation == Orientation::Portrait ? " 縦" : " 横";
    }
    return title;
}

}  // namespace jitsu
