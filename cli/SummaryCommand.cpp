// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>
#include <sstream>

#include "Arguments.h"
#include "BasicData.h"
#include "Clock.h"
#include "Commands.h"
#include "PdfOutput.h"
#include "Reason.h"
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
        error =
            because(N_("--lists takes class, top and freq separated by commas, not '{1}'"), *lists)
                .text();
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
    Arguments& args = context.args;
    std::string error;
    auto request = requestFrom(args, error);
    if (!request) return context.usageError(error);
    context.force = args.flag("force");
    const auto output = OutputChoice::from(args, context.dir, error);
    if (!output) return context.usageError(error);
    if (Status found = output->findQueue(); !found) return context.dataError(found.reason());

    auto data = std::make_unique<BasicData>();
    if (Stop stop = context.readBasicData(*data)) return *stop;
    const int grade = args.gradeTest()->grade;
    if (Stop stop = context.checkTest(*data, grade, request->test)) return *stop;
    if (data->grades[grade - 1].classes() == 0)
        return context.dataError(
            because(N_("nothing to print: grade {1} has no class"), grade).text());
    if (Stop stop =
            context.judgeResultsAge(data->grades[grade - 1], request->year, request->test, grade))
        return *stop;

    request->askWhenOutOfDate = false;  // judged above
    return printThrough(context, *output, [&](const Services& services) {
        return summaryprint::runSummary(services, *data, *request);
    });
}

}  // namespace jitsu::cli
