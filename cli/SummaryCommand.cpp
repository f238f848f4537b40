#include <optional>
#include <sstream>

#include "Arguments.h"
#include "BasicData.h"
#include "Clock.h"
#include "Commands.h"
#include "PdfOutput.h"
#include "StreamMessages.h"
#include "SummaryRun.h"

namespace jitsu::cli {

namespace {

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
    const auto chosen = args.gradeTest();
    const auto scale = args.intOption("scale", 50, 200, 100);
    const auto fontScale = args.intOption("font-scale", 30, 200, 100);
    if (!chosen || !args.ok()) {
        error = args.error();
        return std::nullopt;
    }
    if (auto lists = args.option("lists"); lists && !parseLists(*lists, request)) {
        error = "--lists takes class, top and freq separated by commas, not '" + *lists + "'";
        return std::nullopt;
    }
    if (args.option("pdf") && args.option("trace")) {
        error = "give --pdf or --trace, not both";
        return std::nullopt;
    }
    request.year = static_cast<unsigned>(chosen->year);
    request.test = chosen->test;
    request.grades[chosen->grade - 1] = true;
    request.scale = PrintScale{*scale, *fontScale};
    return request;
}

}  // namespace

int summaryCommand(CommandContext& context) {
    Arguments args(context.args,
                   {"year", "test", "grade", "lists", "scale", "font-scale", "pdf", "trace"},
                   {"force"});
    std::string error = args.error();
    auto request = args.ok() ? requestFrom(args, error) : std::nullopt;
    if (!request) return context.usageError(error);
    context.force = args.flag("force");

    StreamMessages messages(context);
    auto data = std::make_unique<BasicData>();
    if (Stop stop = context.readBasicData(*data)) return *stop;
    const int grade = args.gradeTest()->grade;
    if (Stop stop = context.checkTest(*data, grade, request->test)) return *stop;
    if (data->grades[grade - 1].classes() == 0)
        return context.dataError("nothing to print: grade " + std::to_string(grade) + " has no class");

    // An absolute path stays as it is.
    auto pathOption = [&](const std::string& name) -> std::optional<std::filesystem::path> {
        auto text = args.option(name);
        if (!text) return std::nullopt;
        return context.dir / *text;
    };
    const auto pdf = pathOption("pdf");
    const auto trace = pathOption("trace");
    PrintOutput output(pdf, trace, context.out);
    const SystemClock clock;
    const Services services{context.dir, messages, output.printer(), clock};
    const auto outcome = summaryprint::runSummary(services, *data, *request);
    if (outcome.end == summaryprint::SummaryEnd::Stopped)
        return context.dataError(outcome.finding);
    if (outcome.end != summaryprint::SummaryEnd::Completed) return kExitDataError;
    if (output.printer().sheetCount() == 0) return context.dataError("nothing to print");
    if (Status written = output.finish(); !written) return context.dataError(written.reason());
    if (pdf || trace)
        context.out << "wrote " << (pdf ? *pdf : *trace).string() << ": "
                    << output.printer().sheetCount() << " pages\n";
    return kExitOk;
}

}  // namespace jitsu::cli
