// SPDX-License-Identifier: GPL-3.0-or-later
// The marks per question of a full grade (20 classes of 45 students, 50 questions in four
// domains and two viewpoints): the whole analysis, target 200 ms, and every page of the
// report to PDF, target 1 s.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "Cp932.h"
#include "FakeMessages.h"
#include "PdfOutput.h"
#include "PdfPrinter.h"
#include "QuestionAnalysis.h"
#include "QuestionPages.h"

using namespace jitsu;
using namespace jitsu::questions;

namespace {

constexpr int kMarkedClasses = 20;

// Students of differing ability: the better ones earn more of every question.
QuestionMarks fullGradeMarks() {
    QuestionMarks marks;
    const char* domains[] = {"数と式", "図形", "関数", "データの活用"};
    const char* viewpoints[] = {"知識・技能", "思考・判断・表現"};
    for (int q = 0; q < 50; ++q)
        marks.questions.push_back({std::to_string(q + 1), 1 + q % 3, toCp932(domains[q % 4]),
                                   toCp932(viewpoints[q % 2]), ""});
    std::mt19937 dice(7);
    for (int c = 1; c <= kMarkedClasses; ++c)
        for (int s = 1; s <= kSlots; ++s) {
            StudentMarks student{c, s, {}};
            const int ability = static_cast<int>(dice() % 100);
            for (const Question& q : marks.questions) {
                const int roll = static_cast<int>(dice() % 100);
                student.points.push_back(roll == 0             ? std::nullopt
                                         : roll < ability      ? std::optional(q.points)
                                         : roll < ability + 15 ? std::optional(q.points / 2)
                                                               : std::optional(0));
            }
            marks.students.push_back(std::move(student));
        }
    return marks;
}

void BM_AnalysisOfAFullGrade(benchmark::State& state) {
    static const QuestionMarks marks = fullGradeMarks();
    for (auto _ : state) {
        benchmark::DoNotOptimize(questionRates(marks, kMarkedClasses));
        benchmark::DoNotOptimize(groupRates(marks, kMarkedClasses, Grouping::Domain));
        benchmark::DoNotOptimize(groupRates(marks, kMarkedClasses, Grouping::Viewpoint));
        benchmark::DoNotOptimize(spChart(marks, std::nullopt));
        for (int c = 1; c <= kMarkedClasses; ++c) benchmark::DoNotOptimize(spChart(marks, c));
    }
}

void BM_FullGradeQuestionReportToPdf(benchmark::State& state) {
    cli::ensureGuiApplication();
    static const QuestionMarks marks = fullGradeMarks();
    std::vector<std::string> classNames, studentNames;
    for (int c = 1; c <= kMarkedClasses; ++c) classNames.push_back(std::to_string(c));
    for (std::size_t s = 0; s < marks.students.size(); ++s)
        studentNames.push_back("山田　太郎" + std::to_string(s));
    const QuestionReportJob job{marks, "第２回実力テスト　2年　数学", classNames, studentNames, {},
                                {}};
    const auto pdf = std::filesystem::temp_directory_path() /
                     ("questions-bench-" + std::to_string(::getpid()) + ".pdf");
    FakeMessages messages;
    int pages = 0;
    for (auto _ : state) {
        auto printer = pdfFilePrinter(pdf);
        if (!printQuestionReport(job, *printer, messages)) state.SkipWithError("printing failed");
        pages = printer->sheetCount();
    }
    state.counters["pages"] = pages;
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
    std::filesystem::remove(pdf);
}

}  // namespace

BENCHMARK(BM_AnalysisOfAFullGrade)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullGradeQuestionReportToPdf)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
