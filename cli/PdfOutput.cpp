#include "PdfOutput.h"

#include <QGuiApplication>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "QtPrinter.h"
#include "TextFile.h"
#include "TracePrinter.h"

namespace jitsu::cli {

void ensureGuiApplication() {
    if (QCoreApplication::instance()) return;
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Qt wants a private runtime directory; a shell without a session has none, and the
    // warning would be the only line on standard error of a successful command.
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const std::string runtime = "/tmp/runtime-" + std::to_string(::getuid());
        ::mkdir(runtime.c_str(), 0700);
        ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 0);
    }
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
