// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfOutput.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QGuiApplication>
#include <cstdlib>
#include <string>

#include "Catalogue.h"
#include "CupsQueue.h"
#include "FileSystem.h"
#include "PdfPrinter.h"
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

std::string jobTitle(const CommandContext& context) {
    std::string title = "jitsuryoku ";
    title += context.name;
    return title;
}

std::optional<OutputChoice> OutputChoice::from(const Arguments& args,
                                               const std::filesystem::path& dir,
                                               std::string& error) {
    OutputChoice choice;
    choice.queue = args.option("printer");
    // An absolute path stays as it is.
    if (auto pdf = args.option("pdf")) choice.pdf = dir / *pdf;
    if (auto trace = args.option("trace")) choice.trace = dir / *trace;
    if (int(bool(choice.queue)) + int(bool(choice.pdf)) + int(bool(choice.trace)) > 1) {
        error = tr(N_("give one of --printer, --pdf and --trace"));
        return std::nullopt;
    }
    return choice;
}

Status OutputChoice::findQueue() const { return queue ? jitsu::findQueue(*queue) : Status::ok(); }

PrintOutput::PrintOutput(const OutputChoice& choice, const CommandContext& context)
    : choice_(choice) {
    if (choice.queue) {
        ensureGuiApplication();
        printer_ = queuePrinter(*choice.queue, jobTitle(context), choice.pages);
    } else if (choice.pdf) {
        ensureGuiApplication();
        printer_ = pdfFilePrinter(*choice.pdf, choice.pages);
    } else {
        auto trace = std::make_unique<TracePrinter>(choice.trace ? traceText_ : context.out);
        trace->dialogAnswer = choice.pages;
        printer_ = std::move(trace);
    }
}

PrintOutput::~PrintOutput() = default;

Status PrintOutput::finish() {
    if (!choice_.trace) return Status::ok();
    return writeFileAtomically(*choice_.trace, traceText_.str());
}

void PrintOutput::tell(std::ostream& out) const {
    const int sheets = printer_->sheetCount();
    if (choice_.queue)
        out << because(N_("printed {1} pages on {2}"), sheets, *choice_.queue).text() << '\n';
    else if (choice_.pdf || choice_.trace)
        out << because(N_("wrote {1}: {2} pages"), choice_.pdf ? *choice_.pdf : *choice_.trace,
                       sheets)
                   .text()
            << '\n';
}

}  // namespace jitsu::cli
