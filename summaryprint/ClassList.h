// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Printer.h"
#include "SummaryGrade.h"

namespace jitsu::summaryprint {

// x of subject column j, and of the m-th computed combination column in a grade of
// `subjectCount` subjects (before scaling).
int subjectColumnX(int j);
int comboColumnX(int subjectCount, int m);

// The class score lists ("ＨＲ  成績一覧") of the grade: two pages per class, each ending in a
// page break. Page 0 holds the title and slots 0 to 20, page 1 slots 21 to 41 and the grade's
// examinees and averages, below the last student printed (a class list holds at most 42
// students). Text only.
void printClassLists(Printer& printer, const SummaryGrade& job);

}  // namespace jitsu::summaryprint
