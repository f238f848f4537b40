// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include "Arguments.h"
#include "BasicData.h"
#include "Commands.h"
#include "ConflictAnswers.h"
#include "FileSystem.h"
#include "Paths.h"
#include "Reason.h"
#include "ScoreImport.h"

namespace jitsu::cli {

int importScoresCommand(CommandContext& context) {
    Arguments& args = context.args;
    auto test = args.requiredInt("test", 1, kMaxTests);
    auto grade = test ? args.requiredInt("grade", 1, kGrades) : std::nullopt;
    if (!grade) return context.usageError(args.error());
    auto basic = std::make_unique<BasicData>();
    if (Stop stop = context.readBasicData(*basic)) return *stop;
    if (Stop stop = context.checkTest(*basic, *grade, *test)) return *stop;

    yearfiles::ScoreImportRequest request;
    request.gradeNumber = *grade;
    request.test = *test;
    request.subjects = args.options("subject");
    request.cls = args.option("class").value_or("");
    std::filesystem::path source = pathFromUtf8(args.positional()[0]);
    if (source.is_relative()) source = context.dir / source;
    yearfiles::ScorePlan plan;
    if (Status s = yearfiles::planScoreImportFile(context.dir, *basic, source,
                                                  args.option("sheet").value_or(""), request, plan);
        !s)
        return context.dataError(s.reason());
    const bool force = args.flag("force");
    for (const yearfiles::ScoreFinding& f : plan.findings) {
        if (force)
            context.warn(because(N_("{1} (left out)"), f.place + ": " + f.what).text());
        else
            context.err << f.place << ": " << f.what << '\n';
    }
    if (!plan.findings.empty() && !force)
        return context.dataError(because(N_("nothing written: {1} score(s) cannot be taken "
                                            "(--force leaves them out)"),
                                         plan.findings.size())
                                     .text());
    for (const std::string& column : plan.skippedColumns)
        context.warn(
            because(N_("column \"{1}\" is no subject of the grade: skipped"), column).text());
    ConflictAnswers answers(context, force);
    const FileMergeResult saved =
        yearfiles::saveScoreImport(context.dir, *basic, request, plan, answers);
    if (saved.outcome == FileMergeOutcome::Failed) return context.dataError(saved.status.reason());
    if (saved.outcome == FileMergeOutcome::Cancelled)
        return context.dataError(because(N_("nothing written: {1} score(s) differ from the score "
                                            "file (--force takes the sheet's)"),
                                         saved.conflicts)
                                     .text());
    context.out << because(N_("merged {1} score(s) into {2}; the results of grade {3} in test {4} "
                              "are out of date until computed again"),
                           plan.scores.size(), scorePath(context.dir, basic->year, *test, *grade),
                           *grade, *test)
                       .text()
                << '\n';
    return kExitOk;
}

}  // namespace jitsu::cli
