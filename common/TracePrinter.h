// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>

#include "Printer.h"

namespace jitsu {

// A printer that writes every call as one line, the contract of tests and `--trace`:
//   job <A3|A4|B4|B5> <portrait|landscape>   (setPageSetup)
//   begin / page <n> / end
//   pen|brush|fontcolor <r> <g> <b>
//   font <points> <bold|regular>
//   text <x> <y> <text>
//   line <x1> <y1> <x2> <y2>                  (one move-to/line-to pair)
//   rect <x1> <y1> <x2> <y2>
// Its printable area is the whole sheet set up. Its print dialog answers with `dialogAnswer` at
// once and counts how often it was shown; with `failDocuments` every document ends in failure, as
// on a printer that cannot print.
class TracePrinter : public Printer {
public:
    explicit TracePrinter(std::ostream& out) : out_(out), canvas_(out) {}

    std::optional<PageRange> dialogAnswer = PageRange{};
    bool failDocuments = false;
    int dialogsShown() const { return dialogs_; }

    void setPageSetup(std::optional<PaperSize> paper,
                      std::optional<Orientation> orientation) override;
    std::optional<PageRange> printDialog(bool pageRange) override;
    PageArea printableArea() const override;

protected:
    Status doBeginDoc() override;
    void doStartSheet(int number) override;
    Status doEndDoc() override;
    Canvas& pageCanvas() override { return canvas_; }

private:
    class TraceCanvas : public Canvas {
    public:
        explicit TraceCanvas(std::ostream& out) : out_(out) {}
        void setPenColor(Color c) override;
        void setBrushColor(Color c) override;
        void setFontColor(Color c) override;
        void setFontSize(int points) override;
        void setBold(bool bold) override;
        void textOut(int x, int y, std::string_view text) override;
        void moveTo(int x, int y) override;
        void lineTo(int x, int y) override;
        void rectangle(int x1, int y1, int x2, int y2) override;

    private:
        void font();
        std::ostream& out_;
        int points_ = 10;
        bool bold_ = false;
        int x_ = 0, y_ = 0;
    };

    std::ostream& out_;
    TraceCanvas canvas_;
    PaperSize paper_ = PaperSize::A4;
    Orientation orientation_ = Orientation::Portrait;
    int dialogs_ = 0;
};

}  // namespace jitsu
