// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "BasicData.h"
#include "Limits.h"
#include "PrintScale.h"
#include "Services.h"
#include "Status.h"

namespace jitsu::summaryprint {

// The smallest print magnification the window allows.
inline constexpr int kMinLayoutPercent = 50;

// What the user chose for a run.
struct SummaryRequest {
    unsigned year = kFirstYear;
    int test = 1;  // 1 … 10
    std::array<bool, kGrades> grades{};
    bool classLists = true;
    bool topScorers = true;
    bool frequencies = true;
    PrintScale scale;
    // Ask before printing from an out-of-date results file (the command line judges it itself).
    bool askWhenOutOfDate = true;
};

// Prints the chosen lists of every chosen grade, grade 1 to 3, each grade one print job after
// its own print dialog (a cancelled dialog skips the grade, as do pages that do not fit the sheet
// and that the person chose not to print: confirmPageFit). Per grade it reads the roster and
// the results file of the test from `services.dir`. A file that cannot be opened, or a job the
// printer could not print, sounds the beep, shows the message and ends the run: later grades
// are not printed. A damaged roster or results file (another shape included) is shown before
// use; the person goes on or stops the run. A results file older than its score file or the
// basic data is named with both save times in a question before it is read: Yes computes the
// results again first (as reportcard's 実行 saves them), No (the safe answer) stops the run,
// printing nothing of that grade or later ones. Returns the failure that ended the run: a file
// that could not be opened, a printer that could not print, or the file the person stopped at.
Status runSummary(const Services& services, const BasicData& data, const SummaryRequest& request);

}  // namespace jitsu::summaryprint
