// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "BasicData.h"
#include "Combinations.h"
#include "Limits.h"
#include "PrintScale.h"
#include "Services.h"
#include "Status.h"

namespace jitsu {

// The window's choices for the run of one grade, read when 実行 is pressed.
struct GradeRunRequest {
    int grade = 0;  // 0 … 2
    unsigned year = 2000;
    int test = 1;           // 1 … 10
    std::string testLabel;  // UTF-8, the test box's text: "第１回" …
    CombinationSet combinations{};
    bool save = true;   // the save box: write the results file
    bool print = true;  // the print box
    PrintScale scale;
    int copies = 1;
    std::array<bool, kMaxClasses> tickedClasses{};  // the classes to print
};

// The run of one grade: reads its roster and score file, computes the statistics of every class
// of the grade with the chosen combinations, writes the results file when the save box is
// ticked, and prints the reports of the ticked classes (printReports: print box, dialog, range,
// copies). A missing roster or score file is announced and ends the run with nothing saved or
// printed. A results file that cannot be written is announced (beep, "データの保存に失敗しま
// した。…", exclamation icon) and the reports are printed all the same. Returns the first
// failure: a missing file, the unsaved results file, or a printer that could not print.
Status gradeRun(const BasicData& data, const GradeRunRequest& request, Services& services);

}  // namespace jitsu
