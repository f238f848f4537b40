// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include "Arguments.h"
#include "BasicData.h"
#include "Commands.h"
#include "HistoryRun.h"
#include "NumberList.h"
#include "PdfOutput.h"
#include "Reason.h"

namespace jitsu::cli {

namespace {

// What both commands ask for: the basic data and the grade's year. The results files are judged
// here (out of date: --recompute or --force), a file left out ends the run unless --force.
struct GradeYear {
    std::unique_ptr<BasicData> data = std::make_unique<BasicData>();
    history::HistoryRequest request;
    const GradeData& gradeData() const { return data->grades[request.grade - 1]; }
};

Stop readGradeYear(CommandContext& context, Arguments& args, GradeYear& year) {
    const auto y = args.requiredInt("year", kFirstYear, kLastYear);
    const auto grade = args.requiredInt("grade", 1, kGrades);
    if (!args.ok()) return context.usageError(args.error());
    year.request.grade = *grade;
    year.request.year = static_cast<unsigned>(*y);
    year.request.askWhenOutOfDate = false;
    year.request.stopAtLeftOut = !context.force;
    if (Stop stop = context.readBasicData(*year.data)) return stop;
    for (int t = 1; t <= year.gradeData().tests(); ++t)
        if (Stop stop = context.judgeResultsAge(year.gradeData(), year.request.year, t, *grade))
            return stop;
    return std::nullopt;
}

std::optional<OutputChoice> outputOf(CommandContext& context, const Arguments& args,
                                     std::string& error) {
    context.force = args.flag("force");
    return OutputChoice::from(args, context.dir, error);
}

}  // namespace

int historyCommand(CommandContext& context) {
    Arguments& args = context.args;
    std::string error;
    const auto output = outputOf(context, args, error);
    if (!output) return context.usageError(error);
    const std::string studentList = args.option("students").value_or("");
    const auto students = numbersNamed(studentList, kSlots);
    if (!students)
        return context.usageError(
            because(N_("--students must list attendance numbers from 1 to {1}, not '{2}'"), kSlots,
                    studentList)
                .text());
    if (Status found = output->findQueue(); !found) return context.dataError(found.reason());

    GradeYear year;
    if (Stop stop = readGradeYear(context, args, year)) return *stop;
    const int classCount = year.gradeData().classes();
    const std::string classList = args.option("classes").value_or("");
    const auto classes = classesNamed(classList, classCount);
    if (!classes) return context.badClassList(classCount, classList);
    year.request.classes = *classes;
    year.request.students = *students;
    return printThrough(context, *output, [&](const Services& services) {
        return history::runHistory(services, *year.data, year.request);
    });
}

int trendCommand(CommandContext& context) {
    Arguments& args = context.args;
    std::string error;
    const auto output = outputOf(context, args, error);
    if (!output) return context.usageError(error);
    if (Status found = output->findQueue(); !found) return context.dataError(found.reason());
    GradeYear year;
    if (Stop stop = readGradeYear(context, args, year)) return *stop;
    return printThrough(context, *output, [&](const Services& services) {
        return history::runTrend(services, *year.data, year.request);
    });
}

}  // namespace jitsu::cli
