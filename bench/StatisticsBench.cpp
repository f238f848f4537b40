// SPDX-License-Identifier: GPL-3.0-or-later
// A grade at the limits: 20 classes of 45 students, 20 subjects, all nine combinations.
// Targets: computeGradeResults within 1 ms, the whole results command within 50 ms.
#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>

#include "BasicData.h"
#include "Commands.h"
#include "Fixtures.h"
#include "Paths.h"
#include "ResultsFile.h"
#include "Statistics.h"
#include "TempDir.h"
#include "TestScores.h"

using namespace jitsu;

namespace {

constexpr unsigned kYear = 2026;
constexpr int kTest = 2;

const GradeData& fullGrade() {
    static const GradeData grade = makeGrade(kMaxClasses, kSlots, kMaxSubjects, kMaxTests);
    return grade;
}

CombinationSet allCombinations() {
    CombinationSet ticked;
    ticked.fill(true);
    return ticked;
}

void BM_ComputeGradeResults(benchmark::State& state) {
    auto scores = electiveScores(fullGrade(), 2026);
    auto results = std::make_unique<GradeResults>();
    for (auto _ : state) {
        computeGradeResults(fullGrade(), *scores, allCombinations(), *results);
        benchmark::DoNotOptimize(results.get());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ComputeGradeResults)->Unit(benchmark::kMicrosecond);

void BM_FormatResultsFile(benchmark::State& state) {
    auto results = std::make_unique<GradeResults>();
    computeGradeResults(fullGrade(), *electiveScores(fullGrade(), 2026), allCombinations(),
                        *results);
    for (auto _ : state) benchmark::DoNotOptimize(formatResultsFile(fullGrade(), *results));
}
BENCHMARK(BM_FormatResultsFile)->Unit(benchmark::kMicrosecond);

// Reading the basic data and score files, computing and writing the results file.
void BM_ResultsCommand(benchmark::State& state) {
    TempDir dir;
    auto basic = std::make_unique<BasicData>();
    basic->schoolName.assign("School");
    basic->testName.assign("Test");
    basic->year = kYear;
    basic->grades[0] = fullGrade();
    if (!writeBasicData(basicDataPath(dir.path()), textsOf(*basic)) ||
        !writeScores(scorePath(dir.path(), kYear, kTest, 1), fullGrade(),
                     *electiveScores(fullGrade(), 2026))) {
        state.SkipWithError("cannot write the input files");
        return;
    }
    const std::vector<std::string> words = {
        "-C",     dir.path().string(),   "results", "--year", std::to_string(kYear),
        "--test", std::to_string(kTest), "--grade", "1",      "--combos",
        "all"};
    for (auto _ : state) {
        std::ostringstream out, err;
        if (cli::runCli(words, out, err) != 0) {
            state.SkipWithError(err.str().c_str());
            return;
        }
    }
}
BENCHMARK(BM_ResultsCommand)->Unit(benchmark::kMillisecond);

}  // namespace
