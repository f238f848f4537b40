// SPDX-License-Identifier: GPL-3.0-or-later
#include "TracePrinter.h"

#include <utility>

#include "Reason.h"

namespace jitsu {

void TracePrinter::setPageSetup(std::optional<PaperSize> paper,
                                std::optional<Orientation> orientation) {
    if (paper) paper_ = *paper;
    if (orientation) orientation_ = *orientation;
    out_ << "job " << paperName(paper_) << ' ' << orientationName(orientation_) << '\n';
}

std::optional<PageRange> TracePrinter::printDialog(bool) {
    ++dialogs_;
    return dialogAnswer;
}

PageArea TracePrinter::printableArea() const {
    PageArea sheet = sheetDots(paper_);
    if (orientation_ == Orientation::Landscape) std::swap(sheet.width, sheet.height);
    return sheet;
}

Status TracePrinter::doBeginDoc() {
    out_ << "begin\n";
    return Status::ok();
}

void TracePrinter::doStartSheet(int number) { out_ << "page " << number << '\n'; }

Status TracePrinter::doEndDoc() {
    out_ << "end\n";
    return failDocuments ? Status::error(Reason(N_("the printer could not print the document")))
                         : Status::ok();
}

namespace {

void color(std::ostream& out, const char* what, Color c) {
    out << what << ' ' << c.r << ' ' << c.g << ' ' << c.b << '\n';
}

}  // namespace

void TracePrinter::TraceCanvas::setPenColor(Color c) { color(out_, "pen", c); }
void TracePrinter::TraceCanvas::setBrushColor(Color c) { color(out_, "brush", c); }
void TracePrinter::TraceCanvas::setFontColor(Color c) { color(out_, "fontcolor", c); }

void TracePrinter::TraceCanvas::font() {
    out_ << "font " << points_ << ' ' << (bold_ ? "bold" : "regular") << '\n';
}

void TracePrinter::TraceCanvas::setFontSize(int points) {
    points_ = points;
    font();
}

void TracePrinter::TraceCanvas::setBold(bool bold) {
    bold_ = bold;
    font();
}

void TracePrinter::TraceCanvas::textOut(int x, int y, std::string_view text) {
    out_ << "text " << x << ' ' << y << ' ' << text << '\n';
}

void TracePrinter::TraceCanvas::moveTo(int x, int y) {
    x_ = x;
    y_ = y;
}

void TracePrinter::TraceCanvas::lineTo(int x, int y) {
    out_ << "line " << x_ << ' ' << y_ << ' ' << x << ' ' << y << '\n';
    x_ = x;
    y_ = y;
}

void TracePrinter::TraceCanvas::rectangle(int x1, int y1, int x2, int y2) {
    out_ << "rect " << x1 << ' ' << y1 << ' ' << x2 << ' ' << y2 << '\n';
}

}  // namespace jitsu
