// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "BasicData.h"
#include "Limits.h"
#include "Messages.h"
#include "Printer.h"
#include "Roster.h"
#include "Status.h"
#include "YearResults.h"

namespace jitsu::history {

// A student by class (0-based) and slot (0-based, the attendance number less one).
struct StudentSlot {
    int cls = 0;
    int slot = 0;
};

// The history sheets of some students of one grade.
struct HistoryJob {
    const GradeData& grade;
    std::string testName;       // the basic data file's, as UTF-8
    const GradeRoster& roster;  // class ranges already computed
    const YearResults& year;
    std::vector<StudentSlot> students;
};

// Every student of the ticked classes, class after class; with `numbers` (attendance numbers
// from 1) only those, where the class has them.
std::vector<StudentSlot> chooseStudents(const GradeData& grade,
                                        const std::array<bool, kMaxClasses>& classes,
                                        const std::vector<int>& numbers);

// Draws the sheets, two students a sheet, without beginning or ending the document; only the
// sheets in `range` are drawn.
void drawHistory(const HistoryJob& job, PageRange range, Printer& printer);

// Sets the paper to A4 portrait; unless the print dialog is cancelled or the person declines
// pages that do not fit, prints the job as one document. Fails only when the printer could not
// print it.
Status printHistory(const HistoryJob& job, Printer& printer, Messages& messages);

}  // namespace jitsu::history
