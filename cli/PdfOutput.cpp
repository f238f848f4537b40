#include "PdfOutput.h"

#include <QGuiApplication>
#include <cstdlib>

#include "QtPrinter.h"
#include "TextFile.h"
#include "TracePrinter.h"

namespace jitsu::cli {

void ensureGuiApplication() {
    if (QCoreApplication::instance()) return;
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "jitsuryoku";
    static char* argv[] = {name, nullptr};
    // Never destroyed: the application must outlive every printer made after it.
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
}

PrintOutput::PrintOutput(const std::optional<std::filesystem::path>& pdf,
                         const std::optional<std::filesystem::path>& trace, std::ostream& out)
    : traceFile_(trace) {
    if (pdf) {
        ensureGuiApplication();
        printer_ = QtPrinter::toPdf(*pdf);
    } else {
        printer_ = std::make_unique<TracePrinter>(trace ? traceText_ : out);
    }
}

PrintOutput::~PrintOutput() = default;

Status PrintOutput::finish() {
    if (!traceFile_) return Status::ok();
    return writeFileAtomically(*traceFile_, traceText_.str());
}

}  // namespace jitsu::cli
