// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <memory>
#include <sstream>

#include "Arguments.h"
#include "BasicData.h"
#include "CombinationOption.h"
#include "Commands.h"
#include "CupsQueue.h"
#include "GradeFiles.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "PdfOutput.h"
#include "PdfPrinter.h"
#include "Reason.h"
#include "ReportPage.h"
#include "Statistics.h"
#include "StreamMessages.h"
#include "TestList.h"
#include "TextFile.h"
#include "TracePrinter.h"

namespace jitsu::cli {

namespace {

// "FROM-TO", two page numbers from 1 to 999 with FROM ≤ TO.
std::optional<PageRange> parsePageRange(const std::string& text) {
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos || dash == 0) return std::nullopt;
    auto from = parseWholeNumber(text.substr(0, dash));
    auto to = parseWholeNumber(text.substr(dash + 1));
    if (!from || !to || *from < 1 || *to > 999 || *from > *to) return std::nullopt;
    return PageRange{static_cast<int>(*from), static_cast<int>(*to)};
}

// Prints the job as a trace and writes it to `path`.
Status writeTrace(const ReportJob& job, PageRange range, const std::filesystem::path& path,
                  Messages& messages) {
    std::ostringstream trace;
    TracePrinter printer(trace);
    printer.dialogAnswer = range;
    if (Status printed = printReports(job, printer, messages); !printed) return printed;
    return writeFileAtomically(path, trace.str());
}

// Prints the job on `printer`; `sheets` is how many sheets it printed (none: no PDF file).
Status printOn(Printer& printer, const ReportJob& job, Messages& messages, int& sheets) {
    Status printed = printReports(job, printer, messages);
    sheets = printer.sheetCount();
    return printed;
}

}  // namespace

int reportsCommand(CommandContext& context) {
    Arguments& args = context.args;
    context.force = args.flag("force");
    auto chosen = args.gradeTest();
    auto layoutPercent = args.intOption("scale", 80, 200, 100);
    auto fontPercent = args.intOption("font-scale", 50, 200, 100);
    auto copies = args.intOption("copies", 1, 10, 1);
    if (!args.ok()) return context.usageError(args.error());
    PageRange range;
    if (auto pages = args.option("pages")) {
        auto parsed = parsePageRange(*pages);
        if (!parsed)
            return context.usageError("--pages must be FROM-TO, pages 1 to 999, not '" + *pages +
                                      "'");
        range = *parsed;
    }
    CombinationSet combinations = defaultCombinations(chosen->test);
    if (auto list = args.option("combos")) {
        std::string error;
        auto parsed = parseCombinationList(*list, error);
        if (!parsed) return context.usageError(error);
        combinations = *parsed;
    }
    const auto pdf = args.option("pdf");
    const auto trace = args.option("trace");
    const OutputChoice printer{args.option("printer"), {}, {}};
    if (!pdf && !trace && !printer.queue)
        return context.usageError(
            "give --pdf FILE, --trace FILE, --printer QUEUE or more than one");
    if (Status found = printer.findQueue(); !found) return context.dataError(found.reason());

    auto basic = std::make_unique<BasicData>();
    if (Stop stop = context.readBasicData(*basic)) return *stop;
    if (Stop stop = context.checkTest(*basic, chosen->grade, chosen->test)) return *stop;
    const GradeData& gradeData = basic->grades[chosen->grade - 1];
    std::array<bool, kMaxClasses> classes{};
    for (int c = 0; c < gradeData.classes(); ++c) classes[c] = true;
    if (auto list = args.option("classes")) {
        auto parsed = parseClassList(*list, gradeData.classes());
        if (!parsed)
            return context.usageError("--classes must list class numbers from 1 to " +
                                      std::to_string(gradeData.classes()) + ", not '" + *list +
                                      "'");
        for (int c = 0; c < gradeData.classes(); ++c) classes[c] = (*parsed)[c];
    }

    // The grade run: roster, scores, statistics; no results file is written.
    auto files = std::make_unique<GradeFiles>();
    if (std::none_of(classes.begin(), classes.end(), [](bool c) { return c; }))
        return context.dataError(
            because(N_("nothing to print: grade {1} has no class"), chosen->grade).text());
    StreamMessages messages(context);
    if (Status read = readGradeFiles(context.dir, *basic, static_cast<unsigned>(chosen->year),
                                     chosen->test, chosen->grade - 1, *files, messages);
        !read)
        return context.dataError(read.reason());
    auto results = std::make_unique<GradeResults>();
    computeGradeResults(gradeData, files->scores, combinations, *results);

    const std::string label = testLabel(chosen->test);
    const ReportJob job{gradeData,
                        basic->schoolName.view(),
                        basic->testName.view(),
                        files->roster,
                        *results,
                        label,
                        classes,
                        PrintScale{*layoutPercent, *fontPercent},
                        *copies,
                        true};
    if (trace) {
        const std::filesystem::path path = context.dir / *trace;
        if (Status written = writeTrace(job, range, path, messages); !written)
            return context.dataError(written.reason());
        context.out << "wrote " << path.string() << '\n';
    }
    if (pdf) {
        const std::filesystem::path path = context.dir / *pdf;
        int sheets = 0;
        ensureGuiApplication();
        if (Status written = printOn(*pdfFilePrinter(path, range), job, messages, sheets); !written)
            return context.dataError(written.reason());
        if (sheets == 0)
            return context.dataError(because(N_("nothing to print: {1} not written"), path).text());
        context.out << "wrote " << path.string() << ": " << sheets << " pages\n";
    }
    if (printer.queue) {
        int sheets = 0;
        ensureGuiApplication();
        if (Status printed = printOn(*queuePrinter(*printer.queue, jobTitle(context), range), job,
                                     messages, sheets);
            !printed)
            return context.dataError(printed.reason());
        context.out << "printed " << sheets << " pages on " << *printer.queue << '\n';
    }
    return kExitOk;
}

}  // namespace jitsu::cli
