// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include "Arguments.h"
#include "BasicData.h"
#include "Commands.h"
#include "ConflictAnswers.h"
#include "Paths.h"
#include "QuestionFile.h"
#include "QuestionImport.h"

namespace jitsu::cli {

int questionsImportCommand(CommandContext& context) {
    Arguments& args = context.args;
    auto test = args.requiredInt("test", 1, kMaxTests);
    auto grade = test ? args.requiredInt("grade", 1, kGrades) : std::nullopt;
    if (!grade) return context.usageError(args.error());
    auto basic = std::make_unique<BasicData>();
    if (Stop stop = context.readBasicData(*basic)) return *stop;
    if (Stop stop = context.checkTest(*basic, *grade, *test)) return *stop;

    const yearfiles::QuestionImportRequest request{*grade, *test, *args.option("subject")};
    const auto operand = [&](std::size_t i) {
        std::filesystem::path file = args.positional().size() > i ? args.positional()[i] : "";
        return file.empty() || file.is_absolute() ? file : context.dir / file;
    };
    yearfiles::QuestionPlan plan;
    if (Status s = yearfiles::planQuestionImportFile(context.dir, *basic, operand(0), operand(1),
                                                     request, plan);
        !s)
        return context.dataError(s.reason());
    for (const yearfiles::ScoreFinding& f : plan.findings)
        context.err << f.place << ": " << f.what << '\n';
    if (!plan.findings.empty())
        return context.dataError(
            because(N_("nothing written: {1} finding(s) in the sheets"), plan.findings.size())
                .text());
    ConflictAnswers answers(context, args.flag("force"));
    const FileMergeResult saved =
        yearfiles::saveQuestionImport(context.dir, *basic, request, plan, answers);
    if (saved.outcome == FileMergeOutcome::Failed) return context.dataError(saved.status.reason());
    if (saved.outcome == FileMergeOutcome::Cancelled)
        return context.dataError(because(N_("nothing written: {1} sum(s) differ from the score "
                                            "file (--force takes the sheet's)"),
                                         saved.conflicts)
                                     .text());
    context.out << because(N_("{1} student(s)' sums merged into {2}, their marks per question "
                              "kept in {3}; the results of grade {4} in test {5} are out of "
                              "date until computed again"),
                           plan.marks.students.size(),
                           scorePath(context.dir, basic->year, *test, *grade),
                           questions::questionFilePath(context.dir, basic->year, *test, *grade,
                                                       plan.subject + 1),
                           *grade, *test)
                       .text()
                << '\n';
    return kExitOk;
}

}  // namespace jitsu::cli
