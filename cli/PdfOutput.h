// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

#include "Arguments.h"
#include "Commands.h"
#include "Printer.h"
#include "Services.h"
#include "Status.h"
#include "StreamMessages.h"

namespace jitsu::cli {

// Makes sure a QGuiApplication exists, which drawing on a PDF page needs (fonts, painter). When
// neither DISPLAY nor WAYLAND_DISPLAY is set, it runs on the offscreen platform. The application
// lives until the process ends; calling again does nothing.
void ensureGuiApplication();

// The name of a command's print job: "jitsuryoku COMMAND".
std::string jobTitle(const CommandContext& context);

// Where a printing command's pages go, from --printer QUEUE, --pdf FILE and --trace FILE (files
// relative to the working directory).
struct OutputChoice {
    std::optional<std::string> queue;
    std::optional<std::filesystem::path> pdf, trace;
    PageRange pages;  // the pages printed, as if chosen in the print dialog

    // nullopt, with `error` set, when more than one is given.
    static std::optional<OutputChoice> from(const Arguments& args, const std::filesystem::path& dir,
                                            std::string& error);
    // Whether the print scheduler has the queue asked for, so that a command can refuse before
    // it prints anything; the error names the queue. Ok without --printer.
    Status findQueue() const;
};

// The printer of the chosen output: a CUPS queue (the job named after the command), a PDF file,
// a trace file, or, with none, the trace on the command's standard output. A trace file is
// written, atomically, by finish().
class PrintOutput {
public:
    PrintOutput(const OutputChoice& choice, const CommandContext& context);
    ~PrintOutput();

    Printer& printer() { return *printer_; }
    Status finish();
    // "wrote FILE: N pages" or "printed N pages on QUEUE" on `out`; nothing for a trace on
    // standard output.
    void tell(std::ostream& out) const;

private:
    OutputChoice choice_;
    std::ostringstream traceText_;
    std::unique_ptr<Printer> printer_;
};

// Runs a printing command's job, `run(services)`, on the chosen output with the command's
// messages and clock, then ends the command: the run's failure, "nothing to print" when no page
// came out, otherwise the trace file written and where the pages went.
template <typename Run>
int printThrough(CommandContext& context, const OutputChoice& output, Run run) {
    StreamMessages messages(context);
    PrintOutput printed(output, context);
    const Services services{context.dir, messages, printed.printer(), context.clock};
    if (Status done = run(services); !done) return messages.failed(done);
    if (printed.printer().sheetCount() == 0) return context.dataError(N_("nothing to print"));
    if (Status written = printed.finish(); !written) return context.dataError(written.reason());
    printed.tell(context.out);
    return kExitOk;
}

}  // namespace jitsu::cli
