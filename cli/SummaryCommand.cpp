#include <optional>
#include <sstream>

#include "Arguments.h"
#include "BasicData.h"
#include "Clock.h"
#include "Commands.h"
#include "PdfOutput.h"
#include "StartUp.h"
#include "StreamMessages.h"
#include "SummaryRun.h"
#include "TextFile.h"
#include "TracePrinter.h"

namespace jitsu::cli {

namespace {

constexpr const char* kPrefix = "jitsuryoku summary: ";

// "class,top,freq" or any part of it, in any order.
bool parseLists(const std::string& text, summaryprint::SummaryRequest& request) {
    request.classLists = request.topScorers = request.frequencies = false;
    std::istringstream in(text);
    std::string word;
    bool any = false;
    while (std::getline(in, word, ',')) {
        if (word == "class")
            request.classLists = true;
        else if (word == "top")
            request.topScorers = true;
        else if (word == "freq")
            request.frequencies = true;
        else
            return false;
        any = true;
    }
    return any;
}

// The run the options ask for, or nullopt with `error` set.
std::optional<summaryprint::SummaryRequest> requestFrom(Arguments& args, std::string& error) {
    summaryprint::SummaryRequest request;
    const auto year = args.requiredInt("year", 2000, 2100);
    const auto test = args.requiredInt("test", 1, 10);
    const auto grade = args.requiredInt("grade", 1, 3);
    const auto scale = args.intOption("scale", 50, 200, 100);
    const auto fontScale = args.intOption("font-scale", 30, 200, 100);
    if (!args.ok()) {
        error = args.error();
        return std::nullopt;
    }
    if (!args.positional().empty()) {
        error = "unexpected argument '" + args.positional()[0] + "'";
        return std::nullopt;
    }
    if (auto lists = args.option("lists"); lists && !parseLists(*lists, request)) {
        error = "--lists takes class, top and freq separated by commas, not '" + *lists + "'";
        return std::nullopt;
    }
    if (args.option("pdf").has_value() == args.option("trace").has_value()) {
        error = "give either --pdf FILE or --trace FILE";
        return std::nullopt;
    }
    request.year = static_cast<unsigned>(*year);
    request.test = *test;
    request.grades[*grade - 1] = true;
    request.scale = PrintScale{*scale, *fontScale};
    return request;
}

}  // namespace

int summaryCommand(CommandContext& context) {
    Arguments args(context.args,
                   {"year", "test", "grade", "lists", "scale", "font-scale", "pdf", "trace"}, {});
    std::string error = args.error();
    auto request = args.ok() ? requestFrom(args, error) : std::nullopt;
    if (!request) {
        context.err << kPrefix << error << '\n';
        return kExitUsage;
    }

    StreamMessages messages(context.err, kPrefix);
    auto data = std::make_unique<BasicData>();
    if (!openBasicData(context.dir, *data, messages)) return kExitDataError;

    auto resolve = [&](const std::string& file) {
        std::filesystem::path path = file;
        return path.is_relative() ? context.dir / path : path;
    };
    const auto pdf = args.option("pdf");
    const auto trace = args.option("trace");
    std::ostringstream traceText;
    TracePrinter tracePrinter(traceText);
    std::optional<PdfFile> pdfFile;
    if (pdf) pdfFile.emplace(resolve(*pdf));
    Printer& printer = pdfFile ? pdfFile->printer() : static_cast<Printer&>(tracePrinter);

    const SystemClock clock;
    const Services services{context.dir, messages, printer, clock};
    if (summaryprint::runSummary(services, *data, *request).end !=
        summaryprint::SummaryEnd::Completed)
        return kExitDataError;

    const Status written =
        pdfFile ? pdfFile->finish() : writeFileAtomically(resolve(*trace), traceText.str());
    if (!written) {
        context.err << kPrefix << written.reason() << '\n';
        return kExitDataError;
    }
    const std::filesystem::path output = resolve(pdf ? *pdf : *trace);
    if (pdf && printer.sheetCount() == 0)
        context.out << "nothing to print: " << output.string() << " not written\n";
    else
        context.out << "wrote " << output.string() << " (" << printer.sheetCount() << " pages)\n";
    return kExitOk;
}

}  // namespace jitsu::cli
