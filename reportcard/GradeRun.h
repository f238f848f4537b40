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

// The results of one grade in one test, computed with the chosen combinations.
struct ResultsRequest {
    int grade = 0;  // 0 … 2
    unsigned year = kFirstYear;
    int test = 1;  // 1 … 10
    CombinationSet combinations{};
};

// Reads the grade's score file, computes the statistics of every class with the chosen
// combinations and writes the results file. A missing score file is announced (the suite's stop
// box); a damaged one is shown first (goOnDespiteDamage). A results file that cannot be written
// is announced (beep, "データの保存に失敗しました。…", exclamation icon). Returns the first
// failure.
Status runResults(const Services& services, const BasicData& data, const ResultsRequest& request);

// The window's choices for the run of one grade, read when 実行 is pressed; the command line's
// `reports` asks for the same run without saving.
struct ReportsRequest {
    ResultsRequest results;
    std::string testLabel;  // UTF-8, the test box's text: "第１回" …
    bool save = true;       // the save box: write the results file
    bool print = true;      // the print box
    PrintScale scale;
    int copies = 1;
    std::array<bool, kMaxClasses> tickedClasses{};  // the classes to print
};

// The run of one grade: reads its roster and score file, computes the statistics of every class
// of the grade with the chosen combinations, writes the results file when the save box is
// ticked, and prints the reports of the ticked classes (printReports: print box, dialog, range,
// copies). A missing roster or score file is announced and ends the run with nothing saved or
// printed. A results file that cannot be written is announced as by runResults and the reports
// are printed all the same. Returns the first failure: a missing file, the unsaved results
// file, or a printer that could not print.
Status runReports(const Services& services, const BasicData& data, const ReportsRequest& request);

}  // namespace jitsu
