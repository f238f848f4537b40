// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Canvas.h"
#include "Status.h"

namespace jitsu {

enum class PaperSize { A3, A4, B4, B5 };  // B4 and B5 are the JIS sizes
enum class Orientation { Portrait, Landscape };

// The pages chosen in the print dialog; "all pages" is 1 to 999.
struct PageRange {
    int from = 1;
    int to = 999;
    bool contains(int page) const { return page >= from && page <= to; }
};

// The printable area of a sheet in dots of a 600 dpi printer, from the top left corner that
// the canvas draws from.
struct PageArea {
    int width = 0;
    int height = 0;
};

// The printer service: paper set-up, the print dialog and one document at a time. Sheets begin
// lazily: the first canvas call after beginDoc or newPage starts a sheet, so newPage at the end
// of a document, or twice in a row, never leaves an empty sheet.
class Printer {
public:
    virtual ~Printer() = default;

    // Paper and orientation for the next document; an empty optional leaves that setting.
    virtual void setPageSetup(std::optional<PaperSize> paper,
                              std::optional<Orientation> orientation) = 0;
    // Runs the print dialog; nullopt when cancelled. With `pageRange` the user may choose pages
    // from 1 to 999 (the to-page field preset to 999).
    virtual std::optional<PageRange> printDialog(bool pageRange) = 0;
    // The printable area of the sheet set up (after the dialog: of the sheet chosen there).
    virtual PageArea printableArea() const = 0;

    // Names grade `grade` (0 … 2) in the title of the print dialogs that follow
    // (printDialogTitle), so that one dialog per grade tells which grade it prints.
    void setDialogGrade(int grade) { dialogGrade_ = grade; }
    int dialogGrade() const { return dialogGrade_; }

    Status beginDoc();
    void newPage() { sheetPending_ = true; }
    // Ends the document; fails when the printer could not print it (no printer, unwritable file).
    Status endDoc();
    Canvas& canvas() { return sheetCanvas_; }
    int sheetCount() const { return sheets_; }

protected:
    virtual Status doBeginDoc() = 0;
    // Starts sheet `number` (1, 2, …) of the document.
    virtual void doStartSheet(int number) = 0;
    virtual Status doEndDoc() = 0;
    virtual Canvas& pageCanvas() = 0;

private:
    // Forwards every call to pageCanvas(), starting a sheet first when one is pending.
    class SheetCanvas : public Canvas {
    public:
        explicit SheetCanvas(Printer& printer) : printer_(printer) {}
        void setPenColor(Color c) override { target().setPenColor(c); }
        void setBrushColor(Color c) override { target().setBrushColor(c); }
        void setFontColor(Color c) override { target().setFontColor(c); }
        void setFontSize(int points) override { target().setFontSize(points); }
        void setBold(bool bold) override { target().setBold(bold); }
        void textOut(int x, int y, std::string_view text) override { target().textOut(x, y, text); }
        void moveTo(int x, int y) override { target().moveTo(x, y); }
        void lineTo(int x, int y) override { target().lineTo(x, y); }
        void rectangle(int x1, int y1, int x2, int y2) override {
            target().rectangle(x1, y1, x2, y2);
        }

    private:
        Canvas& target();
        Printer& printer_;
    };

    SheetCanvas sheetCanvas_{*this};
    bool sheetPending_ = false;
    int dialogGrade_ = -1;
    int sheets_ = 0;
};

// Paper code 13 → A3, 14 → A4, 24 → B4, 25 → B5; orientation 1 portrait, 2 landscape; any
// other code leaves that setting as it was.
void setPaper(Printer& printer, int paperCode, int orientationCode);

// The print dialog's title (UTF-8): "印刷 — ２年 — 用紙 A4 横" for grade index 1 on A4
// landscape; without a grade (an index outside 0 … 2) or a paper, that part is left out. It
// names the paper that will be printed, which the dialog's own page settings may not show
// (they start from the printer's default paper).
std::string printDialogTitle(int grade, std::optional<PaperSize> paper = std::nullopt,
                             std::optional<Orientation> orientation = std::nullopt);

std::string_view paperName(PaperSize paper);
// The whole sheet, portrait, in dots of a 600 dpi printer.
PageArea sheetDots(PaperSize paper);
std::string_view orientationName(Orientation orientation);

}  // namespace jitsu
