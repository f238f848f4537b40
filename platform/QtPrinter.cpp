#include "QtPrinter.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QPageSize>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "PdfPrinter.h"

namespace jitsu {

QtPrinter::QtPrinter(QWidget* dialogParent) : dialogParent_(dialogParent) {}

void QtPrinter::setPageSetup(std::optional<PaperSize> paper,
                             std::optional<Orientation> orientation) {
    if (paper) printer_.setPageSize(pageSizeOf(*paper));
    if (orientation)
        printer_.setPageOrientation(*orientation == Orientation::Portrait ? QPageLayout::Portrait
                                                                          : QPageLayout::Landscape);
}

std::optional<PageRange> QtPrinter::printDialog(bool pageRange) {
    const QPageLayout programLayout = printer_.pageLayout();
    QPrintDialog dialog(&printer_, dialogParent_);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, pageRange);
    if (pageRange) {
        dialog.setMinMax(1, 999);
        dialog.setFromTo(1, 999);
    }
    bool accepted = dialog.exec() == QDialog::Accepted;
    PageRange range;
    if (accepted && pageRange && dialog.printRange() == QAbstractPrintDialog::PageRange) {
        range.from = dialog.fromPage();
        range.to = dialog.toPage();
    }
    // The layouts print only the chosen pages; the printer must not filter them again.
    printer_.setPrintRange(QPrinter::AllPages);
    printer_.setFromTo(0, 0);
    keepProgramPaper(programLayout);
    if (!accepted) return std::nullopt;
    return range;
}

QPageSize paperAfterDialog(const QPageSize& program, const QPageSize& afterDialog,
                           const QPageSize& deviceDefault) {
    if (afterDialog.isEquivalentTo(deviceDefault) || afterDialog.id() == QPageSize::Letter)
        return program;
    return afterDialog;
}

void QtPrinter::keepProgramPaper(const QPageLayout& program) {
    const QPageSize chosen = printer_.pageLayout().pageSize();
    if (chosen.isEquivalentTo(program.pageSize())) return;
    const QPageSize deviceDefault = printer_.outputFormat() == QPrinter::NativeFormat
                                        ? QPrinterInfo(printer_).defaultPageSize()
                                        : QPageSize(QPageSize::A4);
    if (!paperAfterDialog(program.pageSize(), chosen, deviceDefault)
             .isEquivalentTo(program.pageSize()))
        return;
    printer_.setPageSize(program.pageSize());
    printer_.setPageOrientation(program.orientation());
}

PageArea QtPrinter::printableArea() const {
    const QRect area = printer_.pageLayout().paintRectPixels(QtCanvas::kDotsPerInch);
    return PageArea{area.width(), area.height()};
}

Status QtPrinter::doBeginDoc() {
    failure_ = Status::ok();
    return Status::ok();
}

Status QtPrinter::begin() {
    if (printer_.outputFormat() == QPrinter::PdfFormat) {
        pdfTarget_ = printer_.outputFileName();
        const std::filesystem::path target = pdfTarget_.toStdString();
        std::filesystem::path dir = target.parent_path();
        if (dir.empty()) dir = ".";
        // Appended: GCC 12 warns falsely (-Wrestrict) on "x" + string at -O3.
        std::string name = ".";
        name += target.filename().string();
        name += ".XXXXXX";
        std::string temporary = (dir / name).string();
        const int fd = ::mkstemp(temporary.data());
        if (fd < 0)
            return Status::error(target.string() +
                                 ": cannot create a temporary file: " + std::strerror(errno));
        ::fchmod(fd, 0644);
        ::close(fd);
        pdfTemporary_ = QString::fromStdString(temporary);
        printer_.setOutputFileName(pdfTemporary_);
    }
    if (!painter_.begin(&printer_))
        return Status::error(pdfTemporary_.isEmpty()
                                 ? "the printer could not print the document"
                                 : pdfTarget_.toStdString() + ": cannot be written");
    canvas_.reset();
    return Status::ok();
}

void QtPrinter::doStartSheet(int number) {
    if (!failure_) return;
    if (number == 1)
        failure_ = begin();
    else {
        canvas_.strokeLines();
        printer_.newPage();
    }
}

Canvas& QtPrinter::pageCanvas() { return failure_ ? static_cast<Canvas&>(canvas_) : discard_; }

Status QtPrinter::doEndDoc() {
    Status status = failure_;
    if (painter_.isActive()) canvas_.strokeLines();
    if (painter_.isActive() && !painter_.end() && status)
        status = Status::error("the printer could not print the document");
    failure_ = Status::ok();
    if (pdfTemporary_.isEmpty()) return status;
    const std::string temporary = pdfTemporary_.toStdString(), target = pdfTarget_.toStdString();
    printer_.setOutputFileName(pdfTarget_);
    pdfTemporary_.clear();
    if (status && ::rename(temporary.c_str(), target.c_str()) != 0)
        status = Status::error(target + ": cannot replace the file: " + std::strerror(errno));
    if (!status) ::unlink(temporary.c_str());
    return status;
}

}  // namespace jitsu
