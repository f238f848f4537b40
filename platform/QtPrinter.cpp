// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrinter.h"

#include <QPageSize>
#include <QPrintDialog>
#include <QPrinterInfo>

#include "PdfPrinter.h"
#include "Reason.h"

namespace jitsu {

QtPrinter::QtPrinter(QWidget* dialogParent) : dialogParent_(dialogParent) {}

void QtPrinter::setPageSetup(std::optional<PaperSize> paper,
                             std::optional<Orientation> orientation) {
    if (paper) paper_ = paper;
    if (orientation) orientation_ = orientation;
    if (paper) printer_.setPageSize(pageSizeOf(*paper));
    if (orientation)
        printer_.setPageOrientation(*orientation == Orientation::Portrait ? QPageLayout::Portrait
                                                                          : QPageLayout::Landscape);
}

std::optional<PageRange> QtPrinter::printDialog(bool pageRange) {
    const QPageLayout programLayout = printer_.pageLayout();
    QPrintDialog dialog(&printer_, dialogParent_);
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
        pdfReplacement_ = std::make_unique<AtomicReplacement>(pdfTarget_.toStdString());
        if (Status started = pdfReplacement_->start(); !started) {
            pdfReplacement_.reset();
            return started;
        }
        printer_.setOutputFileName(QString::fromStdString(pdfReplacement_->temporaryPath()));
    }
    if (!painter_.begin(&printer_))
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
        printer_.newPage();
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
    printer_.setOutputFileName(pdfTarget_);
    // Dropped without a commit, the replacement leaves the old file as it was.
    if (status) status = pdfReplacement_->commit();
    pdfReplacement_.reset();
    return status;
}

}  // namespace jitsu
