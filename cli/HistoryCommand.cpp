// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include "Arguments.h"
#include "BasicData.h"
#include "Commands.h"
#include "HistoryPage.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "PdfOutput.h"
#include "Reason.h"
#include "Roster.h"
#include "StreamMessages.h"
#include "TrendPage.h"

namespace jitsu::cli {

namespace {

// What both commands read: the basic data and the year's results files of one grade.
struct GradeYear {
    std::unique_ptr<BasicData> data = std::make_unique<BasicData>();
    int grade = 0;  // 1 … 3
    unsigned year = 0;
    history::YearResults results;
    const GradeData& gradeData() const { return data->grades[grade - 1]; }
};

// The reader's boxes answered without a word: the command itself says what it left out.
class QuietMessages : public Messages {
public:
    MessageAnswer show(const Message&) override { return MessageAnswer::Ok; }
    void beep() override {}
};

// Reads the grade's year. A results file that cannot be read, is damaged or does not fit ends
// the command naming it; with --force it is warned about on standard error and left out. A stop
// also when there is nothing to print.
Stop readGradeYear(CommandContext& context, Arguments& args, GradeYear& year) {
    const auto y = args.requiredInt("year", 2000, 2100);
    const auto grade = args.requiredInt("grade", 1, 3);
    if (!args.ok()) return context.usageError(args.error());
    year.grade = *grade;
    year.year = static_cast<unsigned>(*y);
    if (Stop stop = context.readBasicData(*year.data)) return stop;
    for (int t = 1; t <= year.gradeData().tests(); ++t)
        if (Stop stop = context.judgeResultsAge(year.gradeData(), year.year, t, year.grade))
            return stop;
    QuietMessages quiet;
    year.results =
        history::readYearResults(context.dir, *year.data, year.year, year.grade - 1, quiet);
    for (const std::string& finding : year.results.leftOut) {
        if (!context.force) return context.dataError(finding);
        context.warn(finding + " (left out)");
    }
    if (year.results.tests.empty())
        return context.dataError(
            because(N_("nothing to print: grade {1} of {2} has no results file"), year.grade,
                    year.year)
                .text());
    return std::nullopt;
}

// Prints through the chosen output; `print` runs the page's print function on a printer.
template <typename Print>
int printTo(CommandContext& context, const OutputChoice& output, Print print) {
    PrintOutput printed(output, context);
    if (Status done = print(printed.printer()); !done) return context.dataError(done.reason());
    if (printed.printer().sheetCount() == 0) return context.dataError(N_("nothing to print"));
    if (Status written = printed.finish(); !written) return context.dataError(written.reason());
    printed.tell(context.out);
    return kExitOk;
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
    std::vector<int> numbers;
    if (auto list = args.option("students")) {
        const auto parsed = parseClassList(*list, kSlots);
        if (!parsed)
            return context.usageError(
                "--students must list attendance numbers from 1 to 45, not '" + *list + "'");
        for (int s = 0; s < kSlots; ++s)
            if ((*parsed)[s]) numbers.push_back(s + 1);
    }
    if (Status found = output->findQueue(); !found) return context.dataError(found.reason());

    StreamMessages messages(context);
    GradeYear year;
    if (Stop stop = readGradeYear(context, args, year)) return *stop;
    const GradeData& grade = year.gradeData();
    std::array<bool, kMaxClasses> classes{};
    for (int c = 0; c < grade.classes(); ++c) classes[c] = true;
    if (auto list = args.option("classes")) {
        const auto parsed = parseClassList(*list, grade.classes());
        if (!parsed)
            return context.usageError("--classes must list class numbers from 1 to " +
                                      std::to_string(grade.classes()) + ", not '" + *list + "'");
        for (int c = 0; c < grade.classes(); ++c) classes[c] = (*parsed)[c];
    }
    auto roster = std::make_unique<GradeRoster>();
    const auto rosterFile =
        rosterPath(context.dir, year.data->rosterTag.view(), year.year, year.grade);
    FileHealth health;
    if (Status read = readRoster(rosterFile, *roster, &health, &grade); !read)
        return context.dataError(read.reason(), text::kRosterMissingPrint);
    if (Stop stop = context.judge(rosterFile, health)) return *stop;
    classRanges(grade, *roster);
    // The warning goes to standard error and the command goes on, as with pages that do not fit.
    (void)goOnDespiteRosterLimit(grade, messages);

    const history::HistoryJob job{grade, year.data->testName.view(), *roster, year.results,
                                  history::chooseStudents(grade, classes, numbers)};
    if (job.students.empty()) return context.dataError(N_("nothing to print: no student chosen"));
    return printTo(context, *output,
                   [&](Printer& p) { return history::printHistory(job, p, messages); });
}

int trendCommand(CommandContext& context) {
    Arguments& args = context.args;
    std::string error;
    const auto output = outputOf(context, args, error);
    if (!output) return context.usageError(error);
    if (Status found = output->findQueue(); !found) return context.dataError(found.reason());
    StreamMessages messages(context);
    GradeYear year;
    if (Stop stop = readGradeYear(context, args, year)) return *stop;
    const history::TrendJob job{year.gradeData(), year.grade, year.data->testName.view(),
                                year.results};
    return printTo(context, *output,
                   [&](Printer& p) { return history::printTrend(job, p, messages); });
}

}  // namespace jitsu::cli
