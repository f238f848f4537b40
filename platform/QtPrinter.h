// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <memory>
#include <string>

#include "AtomicWrite.h"
#include "Printer.h"
#include "QtCanvas.h"

class QWidget;

namespace jitsu {

// The paper to print on after the print dialog: the program's, unless the person chose another
// one there. The dialog loads the chosen device's default paper (for a file: Letter under the C
// locale) over the program's, so that paper, and Letter, count as not chosen.
QPageSize paperAfterDialog(const QPageSize& program, const QPageSize& afterDialog,
                           const QPageSize& deviceDefault);

// The printer service on QPrinter: the system's printer (CUPS) or a PDF file, chosen in the
// print dialog. Whatever the device's resolution, pages
// are drawn in dots of a 600 dpi printer (QtCanvas scales them). The paper set through
// setPageSetup is the paper printed unless the person changes it in the dialog. Pages are
// filtered by the layouts themselves, so the page range chosen in the dialog is taken off the
// QPrinter again and never applied twice. A PDF file goes through the atomic writer
// (AtomicReplacement): it replaces the chosen file only when the whole document is written.
class QtPrinter : public Printer {
public:
    // The system's printer, asked for with QPrintDialog over `dialogParent`.
    explicit QtPrinter(QWidget* dialogParent = nullptr);

    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }
    void setPageSetup(std::optional<PaperSize> paper,
                      std::optional<Orientation> orientation) override;
    std::optional<PageRange> printDialog(bool pageRange) override;
    PageArea printableArea() const override;

protected:
    Status doBeginDoc() override;
    void doStartSheet(int number) override;
    Status doEndDoc() override;
    // Once the painter could not begin, drawing goes nowhere rather than to an inactive painter.
    Canvas& pageCanvas() override;

private:
    // Starts the painter on the printer, a PDF file on the atomic writer's temporary file.
    Status begin();
    // After the dialog: the program's paper again, unless the person chose another one.
    void keepProgramPaper(const QPageLayout& beforeDialog);
    // Made on first use: a QPrinter asks the system for its printers (CUPS) as it is made, which
    // a window need not wait for before it opens.
    QPrinter& device() const;

    mutable std::unique_ptr<QPrinter> printer_;
    // The page setup of the job, named in the dialog's title; unset until one is set.
    std::optional<PaperSize> paper_;
    std::optional<Orientation> orientation_;
    QPainter painter_;
    QtCanvas canvas_{painter_};
    QWidget* dialogParent_ = nullptr;
    DiscardCanvas discard_;
    QString pdfTarget_;                                  // the PDF file chosen in the dialog
    std::unique_ptr<AtomicReplacement> pdfReplacement_;  // while that file is being written
    Status failure_ = Status::ok();
};

}  // namespace jitsu
