#pragma once

#include <filesystem>
#include <memory>

#include "Printer.h"
#include "Status.h"

namespace jitsu {
class QtPrinter;
}

namespace jitsu::cli {

// Starts Qt for PDF output, once per process: a QGuiApplication, on the offscreen platform when
// neither DISPLAY nor WAYLAND_DISPLAY is set (an explicit QT_QPA_PLATFORM is kept). An
// application made earlier is used as it is.
void startQtForPdf();

// A PDF file that appears only complete: the printer writes a temporary file beside `file`,
// and finish() renames it over `file`. Starts Qt itself. A document without pages writes no
// file.
class PdfFile {
public:
    explicit PdfFile(std::filesystem::path file);
    ~PdfFile();
    PdfFile(const PdfFile&) = delete;
    PdfFile& operator=(const PdfFile&) = delete;

    Printer& printer();
    // After the last document: moves it into place; fails when it cannot.
    Status finish();

private:
    std::filesystem::path file_, temporary_;
    std::unique_ptr<QtPrinter> printer_;
};

}  // namespace jitsu::cli
