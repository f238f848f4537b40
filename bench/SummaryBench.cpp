// SPDX-License-Identifier: GPL-3.0-or-later
// A grade at the limits (20 classes of 45 students, 20 subjects, all nine combinations) prints
// its class lists, top-scorer lists and frequency distributions to PDF; the target is 2 s.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <random>

#include "BasicData.h"
#include "ClassList.h"
#include "Cp932.h"
#include "Frequencies.h"
#include "PdfOutput.h"
#include "PdfPrinter.h"
#include "Roster.h"
#include "Statistics.h"
#include "TopScorers.h"

using namespace jitsu;

namespace {

struct LargestGrade {
    BasicData data;
    std::unique_ptr<GradeRoster> roster = std::make_unique<GradeRoster>();
    std::unique_ptr<GradeResults> results = std::make_unique<GradeResults>();

    LargestGrade() {
        data.testName.assign(toCp932("実力テスト"));
        GradeData& grade = data.grades[0];
        grade.classCount = kMaxClasses;
        grade.subjectCount = kMaxSubjects;
        grade.testCount = 1;
        for (int k = 0; k < kMaxClasses; ++k) {
            grade.classNames[k].assign(std::to_string(k + 1));
            grade.headCounts[k] = kSlots;
        }
        for (int j = 0; j < kMaxSubjects; ++j) {
            grade.subjectNames[j].assign(toCp932("科目") + std::to_string(j + 1));
            grade.disciplineNumbers[j] = j % kDisciplines + 1;
            grade.fullMarks[0][j] = 100;
        }
        // The roster holds 450 entries: the first ten classes get names.
        for (int i = 0; i < kRosterEntries; ++i) {
            roster->studentNumbers[i].assign(std::to_string(10000 + i));
            roster->studentNames[i].assign(toCp932("山田　太郎") + std::to_string(i));
        }
        classRanges(grade, *roster);

        std::mt19937 dice(7);
        auto scores = std::make_unique<TestScores>();
        for (int j = 0; j < kMaxSubjects; ++j)
            for (int k = 0; k < kMaxClasses; ++k)
                for (int s = 0; s < kSlots; ++s)
                    scores->scores[j][k][s] =
                        dice() % 20 == 0 ? -1 : static_cast<int>(dice() % 101);
        CombinationSet all;
        all.fill(true);
        computeGradeResults(grade, *scores, all, *results);
    }
};

void BM_LargestGradeToPdf(benchmark::State& state) {
    cli::ensureGuiApplication();
    static const LargestGrade grade;
    const auto pdf = std::filesystem::temp_directory_path() /
                     ("summary-bench-" + std::to_string(::getpid()) + ".pdf");
    const summaryprint::SummaryGrade job{grade.data,     1,           1, *grade.roster,
                                         *grade.results, PrintScale{}};
    int pages = 0;
    for (auto _ : state) {
        auto printer = pdfFilePrinter(pdf);
        printer->setPageSetup(PaperSize::A4, Orientation::Portrait);
        if (!printer->beginDoc()) state.SkipWithError("beginDoc failed");
        summaryprint::printClassLists(*printer, job);
        summaryprint::printTopScorers(*printer, job);
        summaryprint::printFrequencies(*printer, job);
        if (!printer->endDoc()) state.SkipWithError("endDoc failed");
        pages = printer->sheetCount();
    }
    state.counters["pages"] = pages;
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
    std::filesystem::remove(pdf);
}

}  // namespace

BENCHMARK(BM_LargestGradeToPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
