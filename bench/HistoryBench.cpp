// SPDX-License-Identifier: GPL-3.0-or-later
// The history sheets of a full grade (10 classes of 45 students, 20 subjects, all nine
// combinations, 10 tests) to PDF, the page-fit check included; the target is 3 s.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <random>

#include "BasicData.h"
#include "Cp932.h"
#include "FakeMessages.h"
#include "HistoryPage.h"
#include "PdfOutput.h"
#include "PdfPrinter.h"
#include "Statistics.h"

using namespace jitsu;

namespace {

struct FullYear {
    GradeData grade;
    std::unique_ptr<GradeRoster> roster = std::make_unique<GradeRoster>();
    history::YearResults year;

    FullYear() {
        grade.classCount = 10;
        grade.subjectCount = kMaxSubjects;
        grade.testCount = kMaxTests;
        for (int k = 0; k < 10; ++k) {
            grade.classNames[k].assign(std::to_string(k + 1));
            grade.headCounts[k] = kSlots;
        }
        for (int j = 0; j < kMaxSubjects; ++j) {
            grade.subjectNames[j].assign(toCp932("科目") + std::to_string(j + 1));
            grade.disciplineNumbers[j] = j % kDisciplines + 1;
            for (int t = 0; t < kMaxTests; ++t) grade.fullMarks[t][j] = 100;
        }
        for (int i = 0; i < kRosterEntries; ++i)
            roster->studentNames[i].assign(toCp932("山田　太郎") + std::to_string(i));
        classRanges(grade, *roster);
        std::mt19937 dice(7);
        CombinationSet all;
        all.fill(true);
        for (int t = 1; t <= kMaxTests; ++t) {
            TestScores scores;
            for (int j = 0; j < kMaxSubjects; ++j)
                for (int k = 0; k < 10; ++k)
                    for (int s = 0; s < kSlots; ++s)
                        scores.scores[j][k][s] =
                            dice() % 20 == 0 ? -1 : static_cast<int>(dice() % 101);
            auto results = std::make_unique<GradeResults>();
            computeGradeResults(grade, scores, all, *results);
            year.tests.push_back({t, std::move(results)});
        }
    }
};

void BM_FullGradeHistoryToPdf(benchmark::State& state) {
    cli::ensureGuiApplication();
    static const FullYear full;
    std::array<bool, kMaxClasses> classes{};
    classes.fill(true);
    const history::HistoryJob job{full.grade, "実力テスト", *full.roster, full.year,
                                  history::chooseStudents(full.grade, classes, {})};
    const auto pdf = std::filesystem::temp_directory_path() /
                     ("history-bench-" + std::to_string(::getpid()) + ".pdf");
    FakeMessages messages;
    int pages = 0;
    for (auto _ : state) {
        auto printer = pdfFilePrinter(pdf);
        if (!history::printHistory(job, *printer, messages)) state.SkipWithError("printing failed");
        pages = printer->sheetCount();
    }
    state.counters["pages"] = pages;
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
    std::filesystem::remove(pdf);
}

}  // namespace

BENCHMARK(BM_FullGradeHistoryToPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
