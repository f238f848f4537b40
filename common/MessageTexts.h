// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Catalogue.h"

namespace jitsu::text {

// The suite's own message texts, shared by the programs and the command-line tool: English, the
// catalogue's keys, put into the reader's language where they are shown (the windows' message
// service, the command line's messages).
inline constexpr const char* kConfirm = N_("Confirm");
inline constexpr const char* kWarning = N_("Warning");
inline constexpr const char* kBasicDataMissing =
    N_("The basic data file could not be opened. The program cannot go on. Please contact the "
       "person in charge.");
inline constexpr const char* kRosterMissingEnd =
    N_("The roster of student names could not be opened. The program cannot go on. Please "
       "contact the person in charge.");
inline constexpr const char* kRosterMissingPrint =
    N_("The roster of student names could not be opened. Nothing can be printed. Please contact "
       "the person in charge.");
inline constexpr const char* kScoresMissingPrint =
    N_("The score file could not be opened. Nothing can be printed or computed. Please contact "
       "the person in charge.");
inline constexpr const char* kResultsNotSaved =
    N_("The data could not be saved. Please contact the person in charge.");
inline constexpr const char* kResultsOutOfDate =
    N_("The results file was computed before the scores or the basic data were saved.\n"
       "Compute it again before using it? (No: nothing is done)");
inline constexpr const char* kResultsNotRead =
    N_("The data could not be read. Please contact the person in charge.");
// A results file that does not exist ({1} its name).
inline constexpr const char* kResultsFileMissing =
    N_("{1} does not exist. Compute and save it first with 実行 in 個人票 印刷.");
// Before printing or saving from a file whose content is not what its writer wrote.
inline constexpr const char* kDamagedFile =
    N_("Something is wrong with the file's content (details below). Go on anyway?");
// A print job that the printer could not print (no printer, an unwritable output file).
inline constexpr const char* kPrintFailed =
    N_("Printing failed. Please contact the person in charge.");
// Pages that leave the printable area: the first text, the magnification that fits, the question.
inline constexpr const char* kPageTooLarge = N_("Some pages do not fit the printable area.");
inline constexpr const char* kPrintAnyway = N_("Print them as they are?");
// A folder settings file that cannot be read: the pages go on with the defaults.
inline constexpr const char* kSettingsUnread =
    N_("The folder's settings file cannot be read: the year is printed in the Western calendar.");

}  // namespace jitsu::text
