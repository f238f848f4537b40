// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "BasicData.h"
#include "GradeResults.h"
#include "Limits.h"
#include "Messages.h"
#include "PrintScale.h"
#include "Printer.h"
#include "Roster.h"
#include "Status.h"

namespace jitsu {

// What the individual reports of one grade are printed from: the grade run's records and the
// window's printing controls.
struct ReportJob {
    const GradeData& grade;
    std::string schoolName;     // the basic data file's, as UTF-8
    std::string testName;       // the basic data file's, as UTF-8
    const GradeRoster& roster;  // class ranges already computed
    const GradeResults& results;
    std::string_view testLabel;  // UTF-8, the test box's text: "第１回" …
    std::array<bool, kMaxClasses> tickedClasses{};
    PrintScale scale;
    int copies = 1;
    bool print = true;  // the print box
};

// The smallest print magnification the window allows.
inline constexpr int kMinLayoutPercent = 80;

// Sets the paper to A4 portrait, then, when the print box is ticked, the print dialog is not
// cancelled and the pages fit the sheet or the person prints them anyway (confirmPageFit),
// prints one document: six reports a sheet for every student of the ticked classes,
// class after class. Pages are numbered across the ticked classes; only those in the dialog's
// range are printed, each copy on a sheet of its own. Only a class's 45 slots are ever read,
// whatever its head count. Fails only when the printer could not print the document.
Status printReports(const ReportJob& job, Printer& printer, Messages& messages);

}  // namespace jitsu
