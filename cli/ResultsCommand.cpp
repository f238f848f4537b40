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

namespace {

}  // namespace

int resultsCommand(CommandContext& context) {
    Arguments args(context.args, {"year", "test", "grade", "combos"}, {});
    if (!args.ok()) return context.usageError(args.error());
    if (!args.positional().empty())
        return context.usageError("unexpected argument '" + args.positional()[0] + "'");
    auto year = args.requiredInt("year", 2000, 2100);
    auto test = args.requiredInt("test", 1, kMaxTests);
    auto grade = args.requiredInt("grade", 1, kGrades);
    if (!args.ok()) return context.usageError(args.error());
    CombinationSet ticked = defaultCombinations(*test);
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
    const GradeData& gradeData = basic->grades[*grade - 1];
    if (*test > gradeData.tests())
        return context.usageError("grade " + std::to_string(*grade) + " has " +
                                       std::to_string(gradeData.tests()) + " tests, not test " +
                                       std::to_string(*test));

    auto scores = std::make_unique<TestScores>();
    const auto scoresPath = scorePath(context.dir, static_cast<unsigned>(*year), *test, *grade);
    if (!readScores(scoresPath, gradeData, *scores))
        return context.dataError(scoresPath.string() + ": cannot be opened", text::kScoresMissingPrint);

    auto results = std::make_unique<GradeResults>();
    computeGradeResults(gradeData, *scores, ticked, *results);
    const auto path = resultsPath(context.dir, static_cast<unsigned>(*year), *test, *grade);
    if (Status s = writeResultsFile(path, gradeData, *results); !s)
        return context.dataError(path.string() + ": " + s.reason(), text::kResultsNotSaved);
    context.out << "wrote " << path.string() << '\n';
    return kExitOk;
}

}  // namespace jitsu::cli
