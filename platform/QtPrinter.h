#pragma once

#include <QPainter>
#include <QPrinter>
#include <filesystem>
#include <memory>

#include "Printer.h"
#include "QtCanvas.h"

class QWidget;

namespace jitsu {

// The printer service on QPrinter: the system's printer (CUPS) chosen in the print dialog, or
// a PDF file at 600 dots per inch. Pages are filtered by the layouts themselves, so the page
// range chosen in the dialog is taken off the QPrinter again and never applied twice.
class QtPrinter : public Printer {
public:
    // The system's printer, asked for with QPrintDialog over `dialogParent`.
    explicit QtPrinter(QWidget* dialogParent = nullptr);
    // A PDF file; the print dialog is not shown and answers with `range`.
    static std::unique_ptr<QtPrinter> toPdf(const std::filesystem::path& file, PageRange range = {});

    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }
    void setPageSetup(std::optional<PaperSize> paper, std::optional<Orientation> orientation) override;
    std::optional<PageRange> printDialog(bool pageRange) override;

protected:
    Status doBeginDoc() override;
    void doStartSheet(int number) override;
    Status doEndDoc() override;
    // Once the painter could not begin, drawing goes nowhere rather than to an inactive painter.
    Canvas& pageCanvas() override;

private:
    QPrinter printer_{QPrinter::HighResolution};
    QPainter painter_;
    QtCanvas canvas_{painter_};
    QWidget* dialogParent_ = nullptr;
    std::optional<PageRange> presetRange_;  // set for PDF output: no dialog
    bool failed_ = false;
};

}  // namespace jitsu
