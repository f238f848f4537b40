// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrinter.h"

#include <QPageSize>
#include <QPrintDialog>
#include <QPrinterInfo>

#include "PdfPrinter.h"
#include "Reason.h"

namespace jitsu {

QtPrinter::QtPrinter(QWidget* dialogParent) : dialogParent_(dialogParent) {}

QPrinter& QtPrinter::device() const {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void QtPrinter::setPageSetup(std::optional<PaperSize> paper,
                             std::optional<Orientation> orientation) {
    if (paper) paper_ = paper;
    if (orientation) orientation_ = orientation;
    if (paper) device().setPageSize(pageSizeOf(*paper));
    if (orientation)
        device().setPageOrientation(*orientation == Orientation::Portrait ? QPageLayout::Portrait
                                                                          : QPageLayout::Landscape);
}

std::optional<PageRange> QtPrinter::printDialog(bool pageRange) {
    const QPageLayout programLayout = device().pageLayout();
    QPrintDialog dialog(&device(), dialogParent_);
    dialog.setWindowTitle(
        QString::fromStdString(printDialogTitle(dialogGrade(), paper_, orientation_)));
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
    device().setPrintRange(QPrinter::AllPages);
    device().setFromTo(0, 0);
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
    const QPageSize chosen = device().pageLayout().pageSize();
    if (chosen.isEquivalentTo(program.pageSize())) return;
    const QPageSize deviceDefault = device().outputFormat() == QPrinter::NativeFormat
                                        ? QPrinterInfo(device()).defaultPageSize()
                                        : QPageSize(QPageSize::A4);
    if (!paperAfterDialog(program.pageSize(), chosen, deviceDefault)
             .isEquivalentTo(program.pageSize()))
        return;
    device().setPageSize(program.pageSize());
    device().setPageOrientation(program.orientation());
}

PageArea QtPrinter::printableArea() const {
    const QRect area = device().pageLayout().paintRectPixels(QtCanvas::kDotsPerInch);
    return PageArea{area.width(), area.height()};
}

Status QtPrinter::doBeginDoc() {
    failure_ = Status::ok();
    return Status::ok();
}

Status QtPrinter::begin() {
    if (device().outputFormat() == QPrinter::PdfFormat) {
        pdfTarget_ = device().outputFileName();
        pdfReplacement_ = std::make_unique<AtomicReplacement>(pdfTarget_.toStdString());
        if (Status started = pdfReplacement_->start(); !started) {
            pdfReplacement_.reset();
            return started;
        }
        device().setOutputFileName(QString::fromStdString(pdfReplacement_->temporaryPath()));
    }
    if (!painter_.begin(&device()))
        return Status::error(!pdfReplacement_
                                 ? Reason(N_("the printer could not print the document"))
                                 : because(N_("{1}: cannot write"), pdfTarget_.toStdString()));
    canvas_.reset();
    return Status::ok();
}

void QtPrinter::doStartSheet(int number) {
    if (!failure_) return;
    if (number == 1)
        failure_ = begin();
    else {
        canvas_.finishSheet();
        device().newPage();
    }
}

Canvas& QtPrinter::pageCanvas() { return failure_ ? static_cast<Canvas&>(canvas_) : discard_; }

Status QtPrinter::doEndDoc() {
    Status status = failure_;
    if (painter_.isActive()) canvas_.finishSheet();
    if (painter_.isActive() && !painter_.end() && status)
        status = Status::error(Reason(N_("the printer could not print the document")));
    failure_ = Status::ok();
    if (!pdfReplacement_) return status;
    device().setOutputFileName(pdfTarget_);
    // Dropped without a commit, the replacement leaves the old file as it was.
    if (status) status = pdfReplacement_->commit();
    pdfReplacement_.reset();
    return status;
}

}  // namespace jitsu
