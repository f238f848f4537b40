#include "QtPrinter.h"

#include <QPageSize>
#include <QPrintDialog>

namespace jitsu {

namespace {

class DiscardCanvas : public Canvas {
public:
    void setPenColor(Color) override {}
    void setBrushColor(Color) override {}
    void setFontColor(Color) override {}
    void setFontSize(int) override {}
    void setBold(bool) override {}
    void textOut(int, int, std::string_view) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void rectangle(int, int, int, int) override {}
};

}  // namespace

QtPrinter::QtPrinter(QWidget* dialogParent) : dialogParent_(dialogParent) {}

std::unique_ptr<QtPrinter> QtPrinter::toPdf(const std::filesystem::path& file, PageRange range) {
    auto printer = std::make_unique<QtPrinter>();
    printer->printer_.setOutputFormat(QPrinter::PdfFormat);
    printer->printer_.setOutputFileName(QString::fromStdString(file.string()));
    printer->printer_.setResolution(600);
    printer->printer_.setFullPage(false);
    printer->presetRange_ = range;
    return printer;
}

void QtPrinter::setPageSetup(std::optional<PaperSize> paper, std::optional<Orientation> orientation) {
    if (paper) {
        QPageSize::PageSizeId id = QPageSize::A4;
        switch (*paper) {
            case PaperSize::A3: id = QPageSize::A3; break;
            case PaperSize::A4: id = QPageSize::A4; break;
            case PaperSize::B4: id = QPageSize::JisB4; break;
            case PaperSize::B5: id = QPageSize::JisB5; break;
        }
        printer_.setPageSize(QPageSize(id));
    }
    if (orientation)
        printer_.setPageOrientation(*orientation == Orientation::Portrait ? QPageLayout::Portrait
                                                                          : QPageLayout::Landscape);
}

std::optional<PageRange> QtPrinter::printDialog(bool pageRange) {
    if (presetRange_) return presetRange_;
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
    if (!accepted) return std::nullopt;
    // The layouts place their texts in device dots for a 600 dpi printer; Qt's PDF output would
    // otherwise draw at 1200 dpi, at half the size on the sheet.
    if (printer_.outputFormat() == QPrinter::PdfFormat) printer_.setResolution(600);
    return range;
}

Status QtPrinter::doBeginDoc() {
    failed_ = false;
    return Status::ok();
}

void QtPrinter::doStartSheet(int number) {
    if (failed_) return;
    if (number == 1) {
        if (!painter_.begin(&printer_)) {
            failed_ = true;
            return;
        }
        canvas_.reset();
    } else {
        printer_.newPage();
    }
}

Canvas& QtPrinter::pageCanvas() {
    static DiscardCanvas discard;
    return failed_ ? static_cast<Canvas&>(discard) : canvas_;
}

Status QtPrinter::doEndDoc() {
    bool printed = !painter_.isActive() || painter_.end();
    if (failed_ || !printed) {
        failed_ = false;
        return Status::error("the printer could not print the document");
    }
    return Status::ok();
}

}  // namespace jitsu
