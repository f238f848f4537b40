// SPDX-License-Identifier: GPL-3.0-or-later
// The remap of a full grade when its roster changes (20 classes of 45, 20 subjects, 10 tests):
// matching the students of the two rosters and carrying every test's scores to their new slots,
// in memory and through the files (plan, then the all-or-nothing rewrite); the target is 200 ms.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

#include "Fixtures.h"
#include "Paths.h"
#include "RosterChange.h"
#include "TempDir.h"

using namespace jitsu;
using namespace jitsu::yearfiles;

namespace {

constexpr int kClasses = kMaxClasses;

// Every class renumbered in reverse after a transfer student took the first number and the
// last student left: every student but one per class moves.
struct RenumberedGrade {
    GradeData grade = makeGrade(kClasses, kSlots, kMaxSubjects, kMaxTests);
    std::vector<SeatedStudent> before, after;
    std::vector<std::unique_ptr<TestScores>> tests;

    RenumberedGrade() {
        for (int k = 0; k < kClasses; ++k) {
            for (int s = 0; s < kSlots; ++s)
                before.push_back({k, s, Cp932Text(std::to_string(10000 + k * 100 + s + 1)),
                                  Cp932Text("student " + std::to_string(k * 100 + s))});
            std::vector<Cp932Text> names;
            names.push_back(Cp932Text("transfer " + std::to_string(k)));
            for (int s = 0; s + 1 < kSlots; ++s) names.push_back(before[k * kSlots + s].name);
            std::reverse(names.begin(), names.end());
            for (int s = 0; s < kSlots; ++s)
                after.push_back(
                    {k, s, Cp932Text(std::to_string(10000 + k * 100 + s + 1)), names[s]});
        }
        for (int t = 0; t < kMaxTests; ++t)
            tests.push_back(electiveScores(grade, static_cast<unsigned>(t + 1)));
    }
};

void RosterRemapInMemory(benchmark::State& state) {
    const RenumberedGrade full;
    auto carried = std::make_unique<TestScores>();
    for (auto _ : state) {
        RosterChange change = matchRosters(full.before, full.after);
        std::size_t bytes = 0;
        for (int t = 0; t < kMaxTests; ++t) {
            noteScoresOfLeavers(change, t + 1, full.grade, *full.tests[t]);
            carryScores(change, *full.tests[t], *carried);
            bytes += formatScores(full.grade, *carried).size();
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(RosterRemapInMemory)->Unit(benchmark::kMillisecond);

// A roster holds 450 students: 20 classes of 22 or 23, every score file of the grade full. The
// two rosters the runs alternate between number each class in opposite orders: every student
// but the middle one of a class moves, and every score file changes.
void RosterReplacementThroughTheFiles(benchmark::State& state) {
    TempDir dir;
    BasicData data;
    data.year = 2026;
    data.rosterTag.assign("N");
    GradeData& grade = data.grades[0];
    grade = makeGrade(kClasses, 0, kMaxSubjects, kMaxTests);
    std::string before, after;
    for (int k = 0, entry = 0; k < kClasses; ++k) {
        grade.headCounts[k] = k < 10 ? 23 : 22;
        const int heads = static_cast<int>(grade.headCounts[k]);
        for (int s = 0; s < heads; ++s) {
            const std::string number = std::to_string(10000 + k * 100 + s + 1);
            before += number + ",student " + std::to_string(entry + s) + "\r\n";
            after += number + ",student " + std::to_string(entry + heads - 1 - s) + "\r\n";
        }
        entry += heads;
    }
    for (int t = 1; t <= kMaxTests; ++t)
        if (!writeScores(scorePath(dir.path(), 2026, t, 1), grade,
                         *electiveScores(grade, static_cast<unsigned>(t))))
            state.SkipWithError("cannot write the score files");
    ImportedRoster imported[2];
    imported[0].bytes = before;
    imported[1].bytes = after;
    writeBytes(rosterPath(dir.path(), "N", 2026, 1), before);
    int next = 1;
    for (auto _ : state) {
        RosterReplacement plan;
        if (!planRosterReplacement(dir.path(), data, 2026, 1, imported[next], plan) ||
            !applyRosterReplacement(plan, imported[next]))
            state.SkipWithError("the replacement failed");
        next = 1 - next;
    }
}
BENCHMARK(RosterReplacementThroughTheFiles)->Unit(benchmark::kMillisecond);

}  // namespace
