// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassList.h"

#include <algorithm>
#include <string>

#include "Combinations.h"
#include "Format.h"
#include "ScaledPage.h"
#include "TestList.h"

namespace jitsu::summaryprint {

int subjectColumnX(int j) { return 800 + 205 * j; }

int comboColumnX(int subjectCount, int m) { return 810 + 205 * subjectCount + 215 * m; }

namespace {

constexpr int kRowsPerPage = 21;
// Two pages a class; a class of more than 42 (head counts go to 45) takes a third, so that no
// student is left off its list.
constexpr int kPagesPerClass = 2;
constexpr int kFirstRowY = 400;
constexpr int kRowHeight = 295;
constexpr int kLineHeight = 70;  // between the three lines of a cell
constexpr int kNameX = 300;
constexpr int kSummaryLabelX = 400;

int rowY(int row) { return kFirstRowY + kRowHeight * row; }

// The value, its deviation score and its rank on the cell's three lines; a single "-" on the
// middle line when there is no value.
void printCell(ScaledPage& page, int x, int y, bool present, std::int32_t value, float deviation,
               std::int32_t rank) {
    if (!present) {
        page.text(x, y + kLineHeight, "-");
        return;
    }
    page.text(x, y, formatInt(value));
    page.text(x, y + kLineHeight, formatFixed(deviation, 1, 3));
    page.text(x, y + 2 * kLineHeight, formatInt(rank));
}

std::string title(const SummaryGrade& job, int cls) {
    return testLabel(job.test) + " " + job.data.testName.utf8() + "　" +
           job.gradeData().classNames[cls].utf8() + "ＨＲ  成績一覧";
}

// The column headings: subject names, then the short labels of the computed combinations.
void printHeadings(ScaledPage& page, const GradeData& grade, const std::vector<int>& combos) {
    page.font(8);
    for (int j = 0; j < grade.subjects(); ++j)
        page.text(subjectColumnX(j), 300, grade.subjectNames[j].utf8());
    for (std::size_t m = 0; m < combos.size(); ++m)
        page.text(comboColumnX(grade.subjects(), static_cast<int>(m)), 300,
                  kSubjectCombinations[combos[m]].shortLabel);
}

// Slot `slot` of class `cls` on the page's row `row`.
void printStudent(ScaledPage& page, const SummaryGrade& job, const std::vector<int>& combos,
                  int cls, int slot, int row) {
    const GradeResults& results = job.results;
    const int subjects = job.gradeData().subjects();
    const int y = rowY(row);
    const int entry = job.roster.entryOf(cls, slot);
    page.text(kNameX, y, job.roster.numberAt(entry).utf8());
    page.text(kNameX, y + kLineHeight, job.roster.nameAt(entry).utf8());
    for (int j = 0; j < subjects; ++j)
        printCell(page, subjectColumnX(j), y, results.scores[j][cls][slot] >= 0,
                  results.scores[j][cls][slot], results.subjectDeviations[j][cls][slot],
                  results.subjectRanks[j][cls][slot]);
    // A total of 0 prints like a missing one.
    for (std::size_t m = 0; m < combos.size(); ++m) {
        const int k = combos[m];
        printCell(page, comboColumnX(subjects, static_cast<int>(m)), y,
                  results.comboTotals[k][cls][slot] >= 1, results.comboTotals[k][cls][slot],
                  results.comboDeviations[k][cls][slot], results.comboRanks[k][cls][slot]);
    }
}

// The grade's examinees and averages at height y0; subjects without examinees stay blank.
void printSummary(ScaledPage& page, const SummaryGrade& job, const std::vector<int>& combos,
                  int y0) {
    const GradeResults& results = job.results;
    const int subjects = job.gradeData().subjects();
    page.text(kSummaryLabelX, y0, "受験者数");
    page.text(kSummaryLabelX, y0 + kLineHeight, "平均点");
    for (int j = 0; j < subjects; ++j) {
        if (results.subjectExaminees[j] <= 0) continue;
        page.text(subjectColumnX(j), y0, formatInt(results.subjectExaminees[j]));
        page.text(subjectColumnX(j), y0 + kLineHeight,
                  formatFixed(results.subjectAverages[j], 1, 3));
    }
    for (std::size_t m = 0; m < combos.size(); ++m) {
        const int x = comboColumnX(subjects, static_cast<int>(m));
        page.text(x, y0, formatInt(results.comboExaminees[combos[m]]));
        page.text(x, y0 + kLineHeight, formatFixed(results.comboAverages[combos[m]], 1, 3));
    }
}

}  // namespace

void printClassLists(Printer& printer, const SummaryGrade& job) {
    const GradeData& grade = job.gradeData();
    const std::vector<int> combos = computedCombinations(job.results);
    ScaledPage page(printer.canvas(), job.scale);

    // The summary stands on the row below the last student printed, on whichever page that
    // was; a first class without students puts it where its first row would stand.
    int y0 = rowY(0);
    for (int cls = 0; cls < grade.classes(); ++cls) {
        const long long heads = grade.headCounts[cls];
        const long long pages =
            std::max<long long>(kPagesPerClass, (heads + kRowsPerPage - 1) / kRowsPerPage);
        for (int p = 0; p < pages; ++p) {
            page.startPage();
            if (p == 0) {
                page.font(14);
                page.text(300, 150, title(job, cls));
            }
            printHeadings(page, grade, combos);
            page.font(9);
            for (int slot = kRowsPerPage * p; slot < kRowsPerPage * (p + 1) && slot < heads;
                 ++slot) {
                const int row = slot % kRowsPerPage;
                printStudent(page, job, combos, cls, slot, row);
                y0 = rowY(row + 1);
            }
            if (p == pages - 1) printSummary(page, job, combos, y0);
            printer.newPage();
        }
    }
}

}  // namespace jitsu::summaryprint
