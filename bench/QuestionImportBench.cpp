// SPDX-License-Identifier: GPL-3.0-or-later
// The marks per question of a grade at the suite's limits: a workbook of 50 questions (設問) and
// 900 rows of marks (解答: 20 classes of 45), read and checked, then the students the roster
// names (its 450, classes 1 to 10) kept and their sums merged into the score file. Target:
// under 200 ms. The rows of classes 11 to 20 are findings (no roster entry); the save takes the
// plan without them, as an import of the named rows alone would.
#include <benchmark/benchmark.h>
#include <xlsxwriter.h>

#include <memory>

#include "FakeMessages.h"
#include "Fixtures.h"
#include "Paths.h"
#include "QuestionImport.h"
#include "TempDir.h"

using namespace jitsu;

namespace {

constexpr int kBenchQuestions = 50;

struct QuestionWorkbook {
    TempDir dir;
    std::unique_ptr<BasicData> basic = std::make_unique<BasicData>();

    QuestionWorkbook() {
        basic->year = 2026;
        basic->rosterTag.assign("N");
        basic->grades[0] = makeGrade(kMaxClasses, kSlots, 1);
        std::string roster;
        for (int i = 0; i < kRosterEntries; ++i)
            roster += std::to_string(i % kSlots + 1) + "," + sj("生徒") + "\r\n";
        writeBytes(rosterPath(dir.path(), "N", 2026, 1), roster);

        lxw_workbook* book = workbook_new((dir / "marks.xlsx").c_str());
        lxw_worksheet* questions = workbook_add_worksheet(book, "設問");
        lxw_worksheet* marks = workbook_add_worksheet(book, "解答");
        worksheet_write_string(questions, 0, 0, "問", nullptr);
        worksheet_write_string(questions, 0, 1, "配点", nullptr);
        worksheet_write_string(questions, 0, 2, "正答", nullptr);
        worksheet_write_string(marks, 0, 0, "組", nullptr);
        worksheet_write_string(marks, 0, 1, "番号", nullptr);
        for (int q = 0; q < kBenchQuestions; ++q) {  // 2 points each; every other one a choice
            const auto row = static_cast<lxw_row_t>(q + 1);
            worksheet_write_number(questions, row, 0, q + 1, nullptr);
            worksheet_write_number(questions, row, 1, 2, nullptr);
            if (q % 2) worksheet_write_string(questions, row, 2, "ア", nullptr);
            worksheet_write_number(marks, 0, static_cast<lxw_col_t>(2 + q), q + 1, nullptr);
        }
        for (int r = 0; r < kMaxClasses * kSlots; ++r) {
            const auto row = static_cast<lxw_row_t>(r + 1);
            worksheet_write_number(marks, row, 0, r / kSlots + 1, nullptr);
            worksheet_write_number(marks, row, 1, r % kSlots + 1, nullptr);
            for (int q = 0; q < kBenchQuestions; ++q) {
                const auto column = static_cast<lxw_col_t>(2 + q);
                if (q % 2)
                    worksheet_write_string(marks, row, column, (r + q) % 3 ? "ア" : "イ", nullptr);
                else
                    worksheet_write_number(marks, row, column, (r + q) % 3, nullptr);
            }
        }
        workbook_close(book);
    }
};

void BM_ImportQuestionMarks(benchmark::State& state) {
    QuestionWorkbook workbook;
    const yearfiles::QuestionImportRequest request{1, 1, "S1"};
    for (auto _ : state) {
        yearfiles::QuestionPlan plan;
        if (!yearfiles::planQuestionImportFile(workbook.dir.path(), *workbook.basic,
                                               workbook.dir / "marks.xlsx", {}, request, plan)) {
            state.SkipWithError("the workbook could not be planned");
            break;
        }
        if (plan.marks.students.size() != static_cast<std::size_t>(kRosterEntries))
            state.SkipWithError("students lost");
        plan.findings.clear();
        FakeMessages messages;
        const FileMergeResult saved = yearfiles::saveQuestionImport(
            workbook.dir.path(), *workbook.basic, request, plan, messages);
        if (saved.outcome != FileMergeOutcome::Written) state.SkipWithError("not written");
    }
}
BENCHMARK(BM_ImportQuestionMarks)->Unit(benchmark::kMillisecond);

}  // namespace
