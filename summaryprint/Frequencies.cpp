// SPDX-License-Identifier: GPL-3.0-or-later
#include "Frequencies.h"

#include <algorithm>
#include <string>

#include "Combinations.h"
#include "Format.h"
#include "ScaledPage.h"
#include "TestList.h"

namespace jitsu::summaryprint {

namespace {

constexpr int kBandSteps = 40;
constexpr int kLabelX = 300;
constexpr int kFirstBandY = 500;
constexpr int kBandHeight = 80;
constexpr int kColumnWidth = 300;
constexpr int kClassBarLength = 15;  // per student
constexpr int kGradeBarLength = 10;

int columnX(int column) { return 800 + kColumnWidth * column; }
int barX(int column) { return 830 + kColumnWidth * column; }
int bandY(int band) { return kFirstBandY + kBandHeight * band; }

// A bar of `count` students in band `band` of column `column`, with the count beside its end.
void printBar(ScaledPage& page, int column, int band, int count, int lengthPerStudent, Color fill) {
    const int end = barX(column) + lengthPerStudent * count;
    page.bar(barX(column), bandY(band), end, bandY(band) + 79, fill);
    page.text(end + 1, bandY(band) + 10, formatInt(count));
}

std::string title(const SummaryGrade& job, std::string_view label) {
    static const char* const kGrades[] = {"第１学年", "第２学年", "第３学年"};
    return std::string(kGrades[job.grade - 1]) + "  " + std::string(label) + "  (" +
           testLabel(job.test) + ")";
}

}  // namespace

std::array<ScoreBand, kScoreBands> scoreBands(long long fullMarks) {
    std::array<ScoreBand, kScoreBands> bands;
    bands[0] = {fullMarks, fullMarks + 1};
    for (int i = 1; i < kScoreBands; ++i) {
        // Floor, also for negative full marks.
        long long product = fullMarks * (kBandSteps - i);
        long long low = product / kBandSteps - (product % kBandSteps < 0 ? 1 : 0);
        bands[i] = {low, bands[i - 1].low - 1};
    }
    return bands;
}

std::array<long long, kDisciplines + 1> disciplineFullMarks(const GradeData& grade, int test) {
    std::array<long long, kDisciplines + 1> marks{};
    for (int j = 0; j < grade.subjects(); ++j) {
        const std::uint32_t discipline = grade.disciplineNumbers[j];
        if (grade.fullMarks[test - 1][j] > 0 && discipline >= 1 && discipline <= kDisciplines)
            marks[discipline] = grade.fullMarks[test - 1][j];
    }
    return marks;
}

long long combinationFullMarks(const std::array<long long, kDisciplines + 1>& byDiscipline,
                               int combination) {
    long long sum = 0;
    for (int d = 1; d <= kDisciplines; ++d)
        if (kSubjectCombinations[combination].members[d]) sum += byDiscipline[d];
    return sum;
}

void printFrequencyPage(Printer& printer, const SummaryGrade& job, std::string_view label,
                        long long fullMarks, const SlotValues& values, float average,
                        std::int32_t examinees) {
    const GradeData& grade = job.gradeData();
    const int classes = grade.classes();
    const auto bands = scoreBands(fullMarks);
    std::array<int, kScoreBands> gradeCounts{};
    ScaledPage page(printer.canvas(), job.scale);

    page.startPage();
    page.font(13);
    page.text(kLabelX, 200, title(job, label));
    page.font(10);
    page.text(kLabelX, bandY(0), formatInt(fullMarks));
    for (int b = 1; b < kScoreBands; ++b)
        page.text(kLabelX, bandY(b),
                  formatInt(bands[b].low, 3) + "～" + formatInt(bands[b].high, 3));

    for (int cls = 0; cls < classes; ++cls) {
        page.text(columnX(cls), 400, grade.classNames[cls].utf8());
        page.font(7);
        const int slots = grade.studentSlots(cls);
        int students = 0;
        float sum = 0;  // single precision, summed band by band
        for (int b = 0; b < kScoreBands; ++b) {
            int count = 0;
            for (int slot = 0; slot < slots; ++slot) {
                const std::int32_t v = values[cls][slot];
                if (v < bands[b].low || v > bands[b].high) continue;
                ++count;
                sum += static_cast<float>(v);
            }
            students += count;
            gradeCounts[b] += count;
            if (count >= 1) printBar(page, cls, b, count, kClassBarLength, kGrey);
        }
        page.font(10);
        page.text(columnX(cls), 3800, formatInt(students));
        if (students > 0)
            page.text(columnX(cls), 3900, formatFixed(sum / static_cast<float>(students), 1, 3));
    }

    for (int column = 0; column <= classes; ++column)
        page.line(barX(column), 500, barX(column), 3780);
    page.text(columnX(classes), 400, "全体");
    page.font(7);
    for (int b = 0; b < kScoreBands; ++b)
        if (gradeCounts[b] > 0) printBar(page, classes, b, gradeCounts[b], kGradeBarLength, kRed);
    page.font(10);
    page.text(columnX(classes), 3800, formatInt(examinees));
    page.text(columnX(classes), 3900, formatFixed(average, 1, 3));
    printer.newPage();
}

void printFrequencies(Printer& printer, const SummaryGrade& job) {
    const GradeData& grade = job.gradeData();
    const GradeResults& r = job.results;
    const auto marks = disciplineFullMarks(grade, job.test);
    for (int j = 0; j < grade.subjects(); ++j) {
        if (r.subjectExaminees[j] <= 0) continue;
        const std::uint32_t discipline = grade.disciplineNumbers[j];
        const long long fullMarks =
            discipline >= 1 && discipline <= kDisciplines ? marks[discipline] : 0;
        printFrequencyPage(printer, job, grade.subjectNames[j].utf8(), fullMarks, r.scores[j],
                           r.subjectAverages[j], r.subjectExaminees[j]);
    }
    for (int k : computedCombinations(r))
        printFrequencyPage(printer, job, kSubjectCombinations[k].longLabel,
                           combinationFullMarks(marks, k), r.comboTotals[k], r.comboAverages[k],
                           r.comboExaminees[k]);
}

}  // namespace jitsu::summaryprint
