// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportPage.h"

#include <algorithm>
#include <string>
#include <vector>

#include "Combinations.h"
#include "Cp932.h"
#include "Format.h"
#include "PageFit.h"
#include "ScaledPage.h"

namespace jitsu {

namespace {

constexpr int kBlocks = 6;          // reports per sheet, one under the other
constexpr int kBlockHeight = 1070;  // dots between the tops of two blocks
constexpr int kColumnWidth = 260;
constexpr int kFirstColumnX = 500;

template <typename T>
using SlotTable = T[kMaxClasses][kSlots];

// One column of the table: a subject or a ticked combination, with its row of figures.
struct Column {
    std::string label;  // UTF-8
    int examinees;
    float average;
    const SlotTable<std::int32_t>* values;  // scores or totals
    const SlotTable<float>* deviations;
    const SlotTable<std::int32_t>* ranks;
};

// Draws the sheets of one print job. The texts that every sheet repeats are converted to
// UTF-8 once.
class ReportSheet {
public:
    ReportSheet(const ReportJob& job, Canvas& canvas) : job_(job), page_(canvas, job.scale) {
        const GradeData& grade = job.grade;
        const GradeResults& results = job.results;
        for (int j = 0; j < grade.subjects(); ++j)
            columns_.push_back({grade.subjectNames[j].utf8(), results.subjectExaminees[j],
                                results.subjectAverages[j], &results.scores[j],
                                &results.subjectDeviations[j], &results.subjectRanks[j]});
        for (int k = 0; k < kCombinations; ++k)
            if (results.comboFlags[k] == 1)
                columns_.push_back({std::string(kSubjectCombinations[k].shortLabel),
                                    results.comboExaminees[k], results.comboAverages[k],
                                    &results.comboTotals[k], &results.comboDeviations[k],
                                    &results.comboRanks[k]});
        subjects_ = grade.subjects();
        n_ = static_cast<int>(columns_.size());
        title_ = std::string(job.testLabel) + job.testName + "　個人成績票";
        school_ = job.schoolName;
        for (int c = 0; c < grade.classes(); ++c) classNames_[c] = grade.classNames[c].utf8();
    }

    // Draws page group `group` (slots 6 × group to 6 × group + 5) of class `cls` on the current
    // sheet: every text first, then the rules, which lie on top of them.
    void draw(int cls, int group) {
        const int first = group * kBlocks;
        const int blocks = std::min(kBlocks, job_.grade.studentSlots(cls) - first);

        page_.startPage();

        page_.font(12);
        for (int b = 0; b < blocks; ++b) page_.text(280, offset(b) + 278, title_);

        page_.font(10);
        const int nameX = std::max(2300, kFirstColumnX + kColumnWidth * (n_ - 5));
        for (int b = 0; b < blocks; ++b)
            page_.text(nameX, offset(b) + 290, nameLine(cls, first + b));

        page_.font(8);
        for (int b = 0; b < blocks; ++b) headings(offset(b));

        page_.font(10);
        for (int b = 0; b < blocks; ++b) figures(offset(b), cls, first + b);

        for (int b = 0; b < blocks; ++b) rules(offset(b));
    }

private:
    static int offset(int block) { return kBlockHeight * block; }
    static int columnX(int column) { return kFirstColumnX + kColumnWidth * column; }

    std::string nameLine(int cls, int slot) const {
        const GradeRoster& roster = job_.roster;
        return classNames_[cls] + "ＨＲ  " + formatInt(slot + 1, 2) + " 番" + "      " +
               roster.nameAt(roster.entryOf(cls, slot)).utf8();
    }

    // The row labels, the school name, and per column its label, examinees and average.
    void headings(int off) {
        page_.text(180, off + 402, "科目");
        page_.text(180, off + 502, "得点");
        page_.text(180, off + 602, "偏差値");
        page_.text(180, off + 702, "順位");
        page_.text(180, off + 800, "受験者数");
        page_.text(180, off + 890, "学年平均");
        page_.text(columnX(n_ - 2), off + 1000, school_);
        for (int t = 0; t < n_; ++t) {
            const Column& column = columns_[t];
            page_.text(columnX(t), off + 402, column.label);
            if (column.examinees >= 1) {
                page_.text(columnX(t), off + 800, formatInt(column.examinees, 3));
                page_.text(columnX(t), off + 890, formatFixed(column.average, 1, 3));
            }
        }
    }

    // The student's score (or total), deviation score and rank per column; a missing value
    // leaves its cell empty.
    void figures(int off, int cls, int slot) {
        for (int t = 0; t < n_; ++t) {
            const Column& column = columns_[t];
            const std::int32_t value = (*column.values)[cls][slot];
            const float deviation = (*column.deviations)[cls][slot];
            const std::int32_t rank = (*column.ranks)[cls][slot];
            if (value >= 0) page_.text(columnX(t), off + 500, formatInt(value, 3));
            if (deviation != kNoValue)
                page_.text(columnX(t), off + 600, formatFixed(deviation, 1, 3));
            if (rank >= 0) page_.text(columnX(t), off + 700, formatInt(rank, 3));
        }
    }

    // Doubled thin rules between the rows and columns, four-dot heavy rules under the heads,
    // right of the labels, before the combinations and round the frame.
    void rules(int off) {
        const int right = 481 + kColumnWidth * n_;
        for (int r = 0; r < 5; ++r) {
            page_.line(160, off + 394 + 100 * r, right, off + 394 + 100 * r);
            page_.line(160, off + 395 + 100 * r, right, off + 395 + 100 * r);
        }
        for (int r = 0; r < 2; ++r) {
            page_.line(160, off + 884 + 90 * r, right, off + 884 + 90 * r);
            page_.line(160, off + 885 + 90 * r, right, off + 885 + 90 * r);
        }
        page_.line(160, off + 395, 160, off + 975);
        page_.line(161, off + 395, 161, off + 975);
        for (int t = 0; t <= n_; ++t) {
            page_.line(480 + kColumnWidth * t, off + 395, 480 + kColumnWidth * t, off + 975);
            page_.line(481 + kColumnWidth * t, off + 395, 481 + kColumnWidth * t, off + 975);
        }
        const int frameRight = 482 + kColumnWidth * n_;
        const int split = 479 + kColumnWidth * subjects_;
        for (int k = 0; k < 4; ++k) {
            page_.line(160, off + 493 - k, right, off + 493 - k);
            page_.line(479 - k, off + 395, 479 - k, off + 975);
            page_.line(split - k, off + 395, split - k, off + 975);
            page_.line(159 - k, off + 393 - k, frameRight + k, off + 393 - k);
            page_.line(159 - k, off + 976 + k, frameRight + k, off + 976 + k);
            page_.line(159 - k, off + 393 - k, 159 - k, off + 976 + k);
            page_.line(frameRight + k, off + 393 - k, frameRight + k, off + 976 + k);
        }
    }

    const ReportJob& job_;
    ScaledPage page_;
    std::vector<Column> columns_;
    int subjects_ = 0;
    int n_ = 0;  // table columns: subjects and ticked combinations
    std::string title_, school_;
    std::array<std::string, kMaxClasses> classNames_;
};

}  // namespace

namespace {

// The sheets of the pages in `range`, each copy on a sheet of its own.
void drawReports(const ReportJob& job, PageRange range, Printer& printer) {
    ReportSheet sheet(job, printer.canvas());
    int page = 0;  // counts pages across the ticked classes, not sheets
    for (int c = 0; c < job.grade.classes(); ++c) {
        if (!job.tickedClasses[c]) continue;
        for (int group = 0; group * kBlocks < job.grade.studentSlots(c); ++group) {
            if (!range.contains(++page)) continue;
            for (int copy = 0; copy < job.copies; ++copy) {
                printer.newPage();
                sheet.draw(c, group);
            }
        }
    }
}

}  // namespace

Status printReports(const ReportJob& job, Printer& printer, Messages& messages) {
    printer.setPageSetup(PaperSize::A4, Orientation::Portrait);
    if (!job.print) return Status::ok();
    const std::optional<PageRange> range = printer.printDialog(true);
    if (!range) return Status::ok();
    const DrawPages draw = [&](Printer& on, int percent) {
        ReportJob scaled = job;
        scaled.scale.layoutPercent = percent;
        drawReports(scaled, *range, on);
    };
    if (!confirmPageFit(printer, messages, draw, job.scale.layoutPercent, kMinLayoutPercent))
        return Status::ok();
    if (Status begun = printer.beginDoc(); !begun) return begun;
    drawReports(job, *range, printer);
    return printer.endDoc();
}

}  // namespace jitsu
