// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfPrinter.h"

#include <string_view>

#include "AtomicWrite.h"
#include "Reason.h"

namespace jitsu {

QPageSize pageSizeOf(PaperSize paper) {
    switch (paper) {
        case PaperSize::A3:
            return QPageSize(QPageSize::A3);
        case PaperSize::A4:
            break;
        case PaperSize::B4:
            return QPageSize(QPageSize::JisB4);
        case PaperSize::B5:
            return QPageSize(QPageSize::JisB5);
    }
    return QPageSize(QPageSize::A4);
}

PdfPrinter::PdfPrinter(Destination destination, PageRange range, int dotsPerInch)
    : destination_(std::move(destination)), range_(range), dotsPerInch_(dotsPerInch) {}

PdfPrinter::~PdfPrinter() {
    if (painter_.isActive()) painter_.end();
}

void PdfPrinter::setPageSetup(std::optional<PaperSize> paper,
                              std::optional<Orientation> orientation) {
    if (paper) {
        paper_ = *paper;
        layout_.setPageSize(pageSizeOf(*paper));
    }
    if (orientation)
        layout_.setOrientation(*orientation == Orientation::Portrait ? QPageLayout::Portrait
                                                                     : QPageLayout::Landscape);
}

PageArea PdfPrinter::printableArea() const {
    const QRect area = layout_.paintRectPixels(QtCanvas::kDotsPerInch);
    return PageArea{area.width(), area.height()};
}

Status PdfPrinter::doBeginDoc() {
    failure_ = Status::ok();
    return Status::ok();
}

void PdfPrinter::doStartSheet(int number) {
    if (!failure_) return;
    if (number > 1) {
        canvas_.finishSheet();
        writer_->newPage();
        return;
    }
    buffer_.close();
    buffer_.setData(QByteArray());
    buffer_.open(QIODevice::WriteOnly);
    writer_ = std::make_unique<QPdfWriter>(&buffer_);
    writer_->setResolution(dotsPerInch_);
    writer_->setPageLayout(layout_);
    if (!painter_.begin(writer_.get())) {
        failure_ = Status::error(Reason(N_("the PDF document could not be started")));
        return;
    }
    canvas_.reset();
}

Canvas& PdfPrinter::pageCanvas() {
    return painter_.isActive() ? static_cast<Canvas&>(canvas_) : discard_;
}

Status PdfPrinter::doEndDoc() {
    Status status = failure_;
    if (painter_.isActive()) canvas_.finishSheet();
    if (painter_.isActive() && !painter_.end() && status)
        status = Status::error(Reason(N_("the PDF document could not be finished")));
    failure_ = Status::ok();
    const bool drawn = writer_ != nullptr;
    writer_.reset();
    buffer_.close();
    if (!status || !drawn) return status;
    return destination_(buffer_.data(), paper_);
}

std::unique_ptr<Printer> pdfFilePrinter(const std::filesystem::path& file, PageRange range,
                                        int dotsPerInch) {
    auto toFile = [file](const QByteArray& pdf, PaperSize) {
        return writeFileAtomically(
            file, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    };
    return std::make_unique<PdfPrinter>(toFile, range, dotsPerInch);
}

}  // namespace jitsu
