// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <filesystem>
#include <functional>
#include <memory>

#include "Printer.h"
#include "QtCanvas.h"

namespace jitsu {

// The Qt page size of a paper.
QPageSize pageSizeOf(PaperSize paper);

// The printer service on a PDF document drawn in memory (QPdfWriter: Qt Gui only). There is no
// dialog; it answers with the range given. Whatever the document's resolution, pages are drawn
// in dots of a 600 dpi printer (QtCanvas scales them), with Qt's PDF margins of 10 points. A
// finished document goes to its destination; one without a sheet goes nowhere.
class PdfPrinter : public Printer {
public:
    // Takes a finished document and the paper it was set up on; a failure's reason names the
    // destination and the cause.
    using Destination = std::function<Status(const QByteArray& pdf, PaperSize paper)>;

    explicit PdfPrinter(Destination destination, PageRange range = {},
                        int dotsPerInch = QtCanvas::kDotsPerInch);
    ~PdfPrinter() override;

    void setPageSetup(std::optional<PaperSize> paper,
                      std::optional<Orientation> orientation) override;
    std::optional<PageRange> printDialog(bool) override { return range_; }
    PageArea printableArea() const override;

protected:
    Status doBeginDoc() override;
    void doStartSheet(int number) override;
    Status doEndDoc() override;
    // Once the painter could not begin, drawing goes nowhere rather than to an inactive painter.
    Canvas& pageCanvas() override;

private:
    Destination destination_;
    PageRange range_;
    int dotsPerInch_;
    PaperSize paper_ = PaperSize::A4;
    QPageLayout layout_{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)};
    QBuffer buffer_;
    std::unique_ptr<QPdfWriter> writer_;  // while a document is drawn
    QPainter painter_;
    QtCanvas canvas_{painter_};
    DiscardCanvas discard_;
    Status failure_ = Status::ok();
};

// A PDF file, replaced atomically once the whole document is drawn (writeFileAtomically).
std::unique_ptr<Printer> pdfFilePrinter(const std::filesystem::path& file, PageRange range = {},
                                        int dotsPerInch = QtCanvas::kDotsPerInch);

}  // namespace jitsu
