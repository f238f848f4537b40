// SPDX-License-Identifier: GPL-3.0-or-later
#include "TopScorers.h"

#include <string>

#include "Combinations.h"
#include "Format.h"
#include "ScaledPage.h"

namespace jitsu::summaryprint {

namespace {

constexpr int kRightHalfX = 2200;
constexpr int kRanksPerBlock = 50;
constexpr int kFirstEntryY = 800;
constexpr int kEntryHeight = 85;

// Columns of the headings and the entries, relative to the block.
constexpr int kRankX = 400;
constexpr int kNumberX = 600;
constexpr int kScorerNameX = 900;
constexpr int kValueX = 1500;
constexpr int kDeviationX = 1700;

void advance(TopScorerBlocks& blocks, Printer& printer) {
    if (blocks.blockSide == 0) {
        blocks.blockX = kRightHalfX;
        blocks.blockSide = 1;
    } else {
        blocks.blockX = 0;
        blocks.blockSide = 0;
        printer.newPage();
    }
}

}  // namespace

void printTopScorerBlock(Printer& printer, const SummaryGrade& job, TopScorerBlocks& blocks,
                         std::string_view label, const SlotDeviations& deviations,
                         const SlotValues& values, const SlotValues& ranks, float average,
                         std::int32_t examinees) {
    const int classes = job.gradeData().classes();
    const std::int32_t cutOff = examinees / 4;
    int selected = 0;
    for (int cls = 0; cls < classes; ++cls)
        for (int slot = 0; slot < kSlots; ++slot)
            selected += ranks[cls][slot] > 0 && ranks[cls][slot] <= cutOff;
    const int blockCount = (selected - 1) / kRanksPerBlock + 1;

    ScaledPage page(printer.canvas(), job.scale);
    for (int b = 0; b < blockCount; ++b) {
        const int x = blocks.blockX;
        page.startPage();
        if (b == 0) {
            page.font(14);
            page.text(x + 600, 250, label);
            page.font(12);
            page.text(x + 600, 400, "受験者：" + formatInt(examinees) + "人");
            page.text(x + 600, 500, "平均：" + formatFixed(average, 1, 3) + "点");
        }
        page.font(8);
        page.text(x + kRankX, 700, "順位");
        page.text(x + kNumberX, 700, "番号");
        page.text(x + kScorerNameX, 700, "氏名");
        page.text(x + kValueX, 700, "得点");
        page.text(x + kDeviationX, 700, "偏差値");

        page.font(10);
        int line = 0;
        for (int rank = kRanksPerBlock * b + 1; rank <= kRanksPerBlock * (b + 1) && rank <= cutOff;
             ++rank)
            for (int cls = 0; cls < classes; ++cls)
                for (int slot = 0; slot < kSlots; ++slot) {
                    if (ranks[cls][slot] != rank) continue;
                    const int y = kFirstEntryY + kEntryHeight * line++;
                    const int entry = job.roster.entryOf(cls, slot);
                    page.text(x + kRankX, y, formatInt(rank, 3));
                    page.text(x + kNumberX, y, job.roster.numberAt(entry).utf8());
                    page.text(x + kScorerNameX, y, job.roster.nameAt(entry).utf8());
                    page.text(x + kValueX, y, formatInt(values[cls][slot]));
                    std::string deviation = "(";
                    deviation += formatFixed(deviations[cls][slot], 1, 3);
                    page.text(x + kDeviationX, y, deviation + ")");
                }
        advance(blocks, printer);
    }
}

void printTopScorers(Printer& printer, const SummaryGrade& job) {
    const GradeResults& r = job.results;
    const GradeData& grade = job.gradeData();
    TopScorerBlocks blocks;
    for (int k : computedCombinations(r))
        printTopScorerBlock(printer, job, blocks, kSubjectCombinations[k].longLabel,
                            r.comboDeviations[k], r.comboTotals[k], r.comboRanks[k],
                            r.comboAverages[k], r.comboExaminees[k]);
    for (int j = 0; j < grade.subjects(); ++j)
        if (r.subjectExaminees[j] >= 1)
            printTopScorerBlock(printer, job, blocks, grade.subjectNames[j].utf8(),
                                r.subjectDeviations[j], r.scores[j], r.subjectRanks[j],
                                r.subjectAverages[j], r.subjectExaminees[j]);
    // A left block still waits for its right neighbour: close its page.
    if (blocks.blockSide == 1) printer.newPage();
}

}  // namespace jitsu::summaryprint
