// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "BasicData.h"
#include "Limits.h"
#include "Services.h"
#include "Status.h"

namespace jitsu::history {

// What a print of one grade's year asks for: the history sheets or the trend page.
struct HistoryRequest {
    int grade = 1;  // 1 … 3
    unsigned year = kFirstYear;
    std::array<bool, kMaxClasses> classes{};  // the classes whose sheets are printed
    std::vector<int> students;                // attendance numbers from 1; empty for every one
    // Ask before printing from an out-of-date results file (the command line judges it itself).
    bool askWhenOutOfDate = true;
    // A results file left out ends the run with its finding (the command line without --force).
    bool stopAtLeftOut = false;
};

// The history sheets of the chosen students of the grade, from the grade's results files of the
// year (readYearResults). Every problem is a box: an out-of-date results file is asked about
// first (confirmFreshResults), no results file to print from, no roster or a damaged one, a
// printer that failed. Returns the failure that ended the run; a cancelled dialog is none.
Status runHistory(const Services& services, const BasicData& data, const HistoryRequest& request);

// The grade's trend page, from the same results files; the classes and students are not used.
Status runTrend(const Services& services, const BasicData& data, const HistoryRequest& request);

enum class HistoryPrint { Sheets, Trend };

// The launcher's print of grade `grade` (1 … 3) for the school year of the folder's basic data:
// the history sheets of the classes named in `classes` (numbersNamed: "1,3" or "1 3", empty for
// all), or the grade's trend page. No basic data and classes that are not the grade's are boxes.
void printFromFolder(const Services& services, int grade, std::string_view classes,
                     HistoryPrint what);

}  // namespace jitsu::history
