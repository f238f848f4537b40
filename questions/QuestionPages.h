// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "Messages.h"
#include "Printer.h"
#include "QuestionMarks.h"
#include "Status.h"

namespace jitsu::questions {

// Which pages a report holds, in this order.
struct ReportParts {
    bool rates = true;     // 設問別正答率表
    bool groups = true;    // 領域・観点別
    bool charts = true;    // the S-P chart of each class
    bool students = true;  // the students' ○△× sheets
};

// The A4 portrait pages of one subject's marks per question in a test.
struct QuestionReportJob {
    const QuestionMarks& marks;
    std::string title;                    // UTF-8: "第２回　実力テスト　２年　数学"
    std::vector<std::string> classNames;  // UTF-8, one per class of the grade
    std::vector<std::string> studentNames;  // UTF-8, per marks.students; may be shorter
    std::vector<int> classes;  // the classes whose charts and sheets print (1 …); empty for all
    ReportParts parts;
};

// The number of pages the job draws.
int reportPageCount(const QuestionReportJob& job);

// Draws the pages in `range`, each on a new sheet, without beginning or ending the document.
void drawQuestionReport(const QuestionReportJob& job, PageRange range, Printer& printer);

// Sets the paper to A4 portrait; unless the print dialog is cancelled or the person declines
// pages that do not fit, prints the job as one document. Fails only when the printer could not
// print it.
Status printQuestionReport(const QuestionReportJob& job, Printer& printer, Messages& messages);

}  // namespace jitsu::questions
