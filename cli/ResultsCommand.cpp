// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include "Arguments.h"
#include "BasicData.h"
#include "CombinationOption.h"
#include "Commands.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "ResultsFile.h"
#include "Statistics.h"
#include "TestScores.h"

namespace jitsu::cli {

int resultsCommand(CommandContext& context) {
    Arguments& args = context.args;
    context.force = args.flag("force");
    auto chosen = args.gradeTest();
    if (!args.ok()) return context.usageError(args.error());
    CombinationSet ticked = defaultCombinations(chosen->test);
    if (auto list = args.option("combos")) {
        std::string error;
        auto parsed = parseCombinationList(*list, error);
        if (!parsed) return context.usageError(error);
        ticked = *parsed;
    }

    auto basic = std::make_unique<BasicData>();
    if (Stop stop = context.readBasicData(*basic)) return *stop;
    if (Stop stop = context.checkTest(*basic, chosen->grade, chosen->test)) return *stop;
    const GradeData& gradeData = basic->grades[chosen->grade - 1];

    auto scores = std::make_unique<TestScores>();
    FileHealth health;
    const auto scoresPath =
        scorePath(context.dir, static_cast<unsigned>(chosen->year), chosen->test, chosen->grade);
    if (Status read = readScores(scoresPath, gradeData, *scores, &health, chosen->test); !read)
        return context.dataError(read.reason(), text::kScoresMissingPrint);
    if (Stop stop = context.judge(scoresPath, health)) return *stop;

    auto results = std::make_unique<GradeResults>();
    computeGradeResults(gradeData, *scores, ticked, *results);
    const auto path =
        resultsPath(context.dir, static_cast<unsigned>(chosen->year), chosen->test, chosen->grade);
    if (Status s = writeResultsFile(path, gradeData, *results); !s)
        return context.dataError(s.reason(), text::kResultsNotSaved);
    context.out << "wrote " << path.string() << '\n';
    return kExitOk;
}

}  // namespace jitsu::cli
