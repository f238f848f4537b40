// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>

#include "PdfPrinter.h"
#include "ReportPage.h"
#include "TracePrinter.h"

using namespace jitsu;

namespace {

// Prints pages that do not fit the sheet without asking.
class PrintAnyway : public Messages {
public:
    MessageAnswer show(const Message&) override { return MessageAnswer::Yes; }
    void beep() override {}
};
PrintAnyway printAnyway;

// A grade at the limits: 20 classes of 45 students (160 pages), `subjects` subjects and all
// nine combinations, every cell of every report filled.
struct ReportedGrade {
    explicit ReportedGrade(int subjects) {
        grade.classCount = kMaxClasses;
        grade.subjectCount = subjects;
        for (int c = 0; c < kMaxClasses; ++c) {
            grade.classNames[c].assign(std::to_string(c + 1));
            grade.headCounts[c] = kSlots;
        }
        for (int j = 0; j < subjects; ++j)
            grade.subjectNames[j].assign(toCp932("数学") + std::to_string(j));
        for (int e = 0; e < kRosterEntries; ++e)
            roster->studentNames[e].assign(toCp932("山田　太郎"));
        classRanges(grade, *roster);
        GradeResults& r = *results;
        for (int c = 0; c < kMaxClasses; ++c)
            for (int s = 0; s < kSlots; ++s) {
                for (int j = 0; j < kMaxSubjects; ++j) {
                    r.scores[j][c][s] = (c * 7 + s * 3 + j) % 101;
                    r.subjectDeviations[j][c][s] = 30.0f + static_cast<float>(s);
                    r.subjectRanks[j][c][s] = c * kSlots + s + 1;
                }
                for (int k = 0; k < kCombinations; ++k) {
                    r.comboTotals[k][c][s] = 100 + s;
                    r.comboDeviations[k][c][s] = 40.5f;
                    r.comboRanks[k][c][s] = s + 1;
                }
            }
        for (int j = 0; j < kMaxSubjects; ++j) {
            r.subjectExaminees[j] = kMaxClasses * kSlots;
            r.subjectAverages[j] = 55.5f;
        }
        for (int k = 0; k < kCombinations; ++k) {
            r.comboExaminees[k] = kMaxClasses * kSlots;
            r.comboAverages[k] = 234.5f;
            r.comboFlags[k] = 1;
        }
    }

    ReportJob job() const {
        std::array<bool, kMaxClasses> every;
        every.fill(true);
        return {grade, school, test, *roster, *results, "第１０回", every, PrintScale{}, 1, true};
    }

    GradeData grade;
    std::unique_ptr<GradeRoster> roster = std::make_unique<GradeRoster>();
    std::unique_ptr<GradeResults> results = std::make_unique<GradeResults>();
    std::string school = "市立第一中学校";
    std::string test = "実力テスト";
};

void ReportsToTrace(benchmark::State& state) {
    ReportedGrade full(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::ostringstream out;
        TracePrinter printer(out);
        (void)printReports(full.job(), printer, printAnyway);
        bytes = out.str().size();
        if (printer.sheetCount() != 160) state.SkipWithError("expected 160 sheets");
    }
    state.counters["trace_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(ReportsToTrace)->Arg(5)->Arg(20)->Unit(benchmark::kMillisecond);

void ReportsToPdf(benchmark::State& state) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "report_bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);

    ReportedGrade full(static_cast<int>(state.range(0)));
    const auto pdf = std::filesystem::temp_directory_path() / "report_bench.pdf";
    for (auto _ : state) {
        auto printer = pdfFilePrinter(pdf);
        if (!printReports(full.job(), *printer, printAnyway))
            state.SkipWithError("the PDF was not written");
    }
    state.counters["pdf_MB"] = static_cast<double>(std::filesystem::file_size(pdf)) / 1e6;
    std::filesystem::remove(pdf);
}
BENCHMARK(ReportsToPdf)->Arg(5)->Arg(20)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
