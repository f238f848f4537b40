// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include "Arguments.h"
#include "BasicData.h"
#include "CombinationOption.h"
#include "Commands.h"
#include "GradeRun.h"
#include "NumberList.h"
#include "PdfOutput.h"
#include "Reason.h"
#include "TestList.h"

namespace jitsu::cli {

int reportsCommand(CommandContext& context) {
    Arguments& args = context.args;
    context.force = args.flag("force");
    auto chosen = args.gradeTest();
    auto layoutPercent = args.intOption("scale", 80, 200, 100);
    auto fontPercent = args.intOption("font-scale", 50, 200, 100);
    auto copies = args.intOption("copies", 1, 10, 1);
    if (!args.ok()) return context.usageError(args.error());
    std::string error;
    auto output = OutputChoice::from(args, context.dir, error);
    if (!output) return context.usageError(error);
    if (auto pages = args.option("pages")) {
        // Two page numbers with FROM ≤ TO.
        const auto parsed = parseNumberPair(*pages, '-', 1, 999, 1, 999);
        if (!parsed || parsed->first > parsed->second)
            return context.usageError(
                because(N_("--pages must be FROM-TO, pages 1 to 999, not '{1}'"), *pages).text());
        output->pages = PageRange{parsed->first, parsed->second};
    }
    ReportsRequest request;
    request.results = {chosen->grade - 1, static_cast<unsigned>(chosen->year), chosen->test,
                       defaultCombinations(chosen->test)};
    if (auto list = args.option("combos")) {
        auto parsed = parseCombinationList(*list, error);
        if (!parsed) return context.usageError(error);
        request.results.combinations = *parsed;
    }
    if (Status found = output->findQueue(); !found) return context.dataError(found.reason());

    auto basic = std::make_unique<BasicData>();
    if (Stop stop = context.readBasicData(*basic)) return *stop;
    if (Stop stop = context.checkTest(*basic, chosen->grade, chosen->test)) return *stop;
    const int classCount = basic->grades[chosen->grade - 1].classes();
    const std::string classList = args.option("classes").value_or("");
    const auto classes = classesNamed(classList, classCount);
    if (!classes) return context.badClassList(classCount, classList);
    if (classCount == 0)
        return context.dataError(
            because(N_("nothing to print: grade {1} has no class"), chosen->grade).text());

    // The window's run without its save: no results file is written.
    request.testLabel = testLabel(chosen->test);
    request.save = false;
    request.scale = PrintScale{*layoutPercent, *fontPercent};
    request.copies = *copies;
    request.tickedClasses = *classes;
    return printThrough(context, *output, [&](const Services& services) {
        return runReports(services, *basic, request);
    });
}

}  // namespace jitsu::cli
