// SPDX-License-Identifier: GPL-3.0-or-later
#include <sstream>

#include "Arguments.h"
#include "Clock.h"
#include "Commands.h"
#include "Deadline.h"
#include "FixedTexts.h"
#include "FolderSettings.h"
#include "NumberList.h"
#include "PdfOutput.h"
#include "PrintCheckLists.h"
#include "Reason.h"

namespace jitsu::cli {

int checklistsCommand(CommandContext& context) {
    Arguments& args = context.args;
    context.force = args.flag("force");
    auto chosen = args.gradeTest();
    auto scale = args.intOption("scale", 80, 200, 100);
    if (!chosen || !scale) return context.usageError(args.error());
    std::string error;
    const auto output = OutputChoice::from(args, context.dir, error);
    if (!output) return context.usageError(error);

    Deadline deadline = deadlineFor(context.clock.today());
    if (auto text = args.option("deadline")) {
        // "M/D" with a month from 1 to 12 and a day from 1 to 31.
        const auto parsed = parseNumberPair(*text, '/', 1, 12, 1, 31);
        if (!parsed)
            return context.usageError(
                because(N_("--deadline must be MONTH/DAY (1 to 12, 1 to 31), not '{1}'"), *text)
                    .text());
        deadline = Deadline{parsed->first, parsed->second};
    }

    FolderSettings settings;
    if (auto word = args.option("era")) {
        auto era = parseEra(*word);
        if (!era)
            return context.usageError(
                because(N_("--era must be seireki or wareki, not '{1}'"), *word).text());
        settings.era = *era;
    } else if (Status read = readFolderSettings(context.dir, settings); !read) {
        return context.dataError(read.reason());
    }

    if (Status found = output->findQueue(); !found) return context.dataError(found.reason());
    BasicData data;
    if (Stop stop = context.readBasicData(data)) return *stop;
    const GradeData& gradeData = data.grades[chosen->grade - 1];
    // The window offers the tests of grade 1 only.
    if (Stop stop = context.checkTest(data, 1, chosen->test)) return *stop;
    if (gradeData.classes() == 0)
        return context.dataError(
            because(N_("nothing to print: grade {1} has no class"), chosen->grade).text());

    CheckListRequest request;
    request.grade = chosen->grade - 1;
    request.year = static_cast<unsigned>(chosen->year);
    request.test = chosen->test;
    request.yearText = fixedYearText(request.year, settings.era);
    request.testText = fixedTestText(chosen->test);
    request.monthText = std::to_string(deadline.month);
    request.dayText = std::to_string(deadline.day);
    request.placeText = args.option("place").value_or("");
    request.magnification = *scale;
    const std::string classList = args.option("classes").value_or("");
    const auto classes = classesNamed(classList, gradeData.classes());
    if (!classes) return context.badClassList(gradeData.classes(), classList);
    request.checkedClasses.assign(classes->begin(), classes->end());
    return printThrough(context, *output, [&](const Services& services) {
        return runCheckLists(services, data, request);
    });
}

}  // namespace jitsu::cli
