// SPDX-License-Identifier: GPL-3.0-or-later
// A teacher's workbook at the suite's limits: 900 rows (20 classes of 45) of 20 subjects, read,
// planned and merged into the grade's score file. Target: under 300 ms. The roster holds its
// 450 students (classes 1 to 10); the rows of classes 11 to 20 become findings and are left
// out, as --force leaves them.
#include <benchmark/benchmark.h>
#include <xlsxwriter.h>

#include <memory>

#include "FakeMessages.h"
#include "Fixtures.h"
#include "Paths.h"
#include "ScoreImport.h"
#include "TempDir.h"

using namespace jitsu;

namespace {

struct Workbook {
    TempDir dir;
    std::unique_ptr<BasicData> basic = std::make_unique<BasicData>();

    Workbook() {
        basic->year = 2026;
        basic->rosterTag.assign("N");
        basic->grades[0] = makeGrade(kMaxClasses, kSlots, kMaxSubjects);
        std::string roster;
        for (int i = 0; i < kMaxClasses * kSlots; ++i)
            roster +=
                std::to_string(i % kSlots + 1) + "," + sj("生徒") + std::to_string(i) + "\r\n";
        writeBytes(rosterPath(dir.path(), "N", 2026, 1), roster);

        lxw_workbook* book = workbook_new((dir / "scores.xlsx").c_str());
        lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
        worksheet_write_string(sheet, 0, 0, "組", nullptr);
        worksheet_write_string(sheet, 0, 1, "番号", nullptr);
        worksheet_write_string(sheet, 0, 2, "氏名", nullptr);
        for (int j = 0; j < kMaxSubjects; ++j)  // the subjects' names S1 … S20
            worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(3 + j),
                                   basic->grades[0].subjectNames[j].bytes, nullptr);
        for (int r = 0; r < kMaxClasses * kSlots; ++r) {
            const auto row = static_cast<lxw_row_t>(r + 1);
            worksheet_write_number(sheet, row, 0, r / kSlots + 1, nullptr);
            worksheet_write_number(sheet, row, 1, r % kSlots + 1, nullptr);
            worksheet_write_string(sheet, row, 2, "生徒", nullptr);
            for (int j = 0; j < kMaxSubjects; ++j)
                worksheet_write_number(sheet, row, static_cast<lxw_col_t>(3 + j), (r * 7 + j) % 101,
                                       nullptr);
        }
        workbook_close(book);
    }
};

void BM_ImportFullGradeWorkbook(benchmark::State& state) {
    Workbook workbook;
    yearfiles::ScoreImportRequest request;
    for (auto _ : state) {
        yearfiles::ScorePlan plan;
        if (!yearfiles::planScoreImportFile(workbook.dir.path(), *workbook.basic,
                                            workbook.dir / "scores.xlsx", "", request, plan)) {
            state.SkipWithError("the workbook could not be planned");
            break;
        }
        FakeMessages messages;
        const FileMergeResult saved = yearfiles::saveScoreImport(
            workbook.dir.path(), *workbook.basic, request, plan, messages);
        benchmark::DoNotOptimize(saved);
        if (plan.scores.size() != 450u * kMaxSubjects) state.SkipWithError("scores lost");
    }
}
BENCHMARK(BM_ImportFullGradeWorkbook)->Unit(benchmark::kMillisecond);

}  // namespace
