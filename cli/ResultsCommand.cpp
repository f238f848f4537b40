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
    Arguments args(context.args, {"year", "test", "grade", "combos"}, {});
    if (!args.ok()) return context.usageError(args.error());
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
    const auto basicPath = basicDataPath(context.dir);
    if (Status s = readBasicData(basicPath, *basic); !s)
        return context.dataError(basicPath.string() + ": cannot be opened", text::kBasicDataMissing);
    const GradeData& gradeData = basic->grades[chosen->grade - 1];
    if (chosen->test > gradeData.tests())
        return context.usageError("grade " + std::to_string(chosen->grade) + " has " +
                                       std::to_string(gradeData.tests()) + " tests, not test " +
                                       std::to_string(chosen->test));

    auto scores = std::make_unique<TestScores>();
    const auto scoresPath = scorePath(context.dir, static_cast<unsigned>(chosen->year), chosen->test, chosen->grade);
    if (!readScores(scoresPath, gradeData, *scores))
        return context.dataError(scoresPath.string() + ": cannot be opened", text::kScoresMissingPrint);

    auto results = std::make_unique<GradeResults>();
    computeGradeResults(gradeData, *scores, ticked, *results);
    const auto path = resultsPath(context.dir, static_cast<unsigned>(chosen->year), chosen->test, chosen->grade);
    if (Status s = writeResultsFile(path, gradeData, *results); !s)
        return context.dataError(path.string() + ": " + s.reason(), text::kResultsNotSaved);
    context.out << "wrote " << path.string() << '\n';
    return kExitOk;
}

}  // namespace jitsu::cli
