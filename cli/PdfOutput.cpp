#include "PdfOutput.h"

#include <unistd.h>

#include <QGuiApplication>
#include <cstdlib>

#include "QtPrinter.h"

namespace jitsu::cli {

void startQtForPdf() {
    if (QCoreApplication::instance()) return;
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "jitsuryoku";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

PdfFile::PdfFile(std::filesystem::path file)
    : file_(std::move(file)),
      temporary_(file_.parent_path() /
                 ("." + file_.filename().string() + "." + std::to_string(::getpid()) + ".tmp")) {
    startQtForPdf();
    printer_ = QtPrinter::toPdf(temporary_);
}

PdfFile::~PdfFile() {
    std::error_code ec;
    std::filesystem::remove(temporary_, ec);
}

Printer& PdfFile::printer() { return *printer_; }

Status PdfFile::finish() {
    std::error_code ec;
    if (!std::filesystem::exists(temporary_, ec)) return Status::ok();
    std::filesystem::rename(temporary_, file_, ec);
    if (ec) return Status::error(file_.string() + ": " + ec.message());
    return Status::ok();
}

}  // namespace jitsu::cli
