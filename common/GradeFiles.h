// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "BasicData.h"
#include "Messages.h"
#include "Roster.h"
#include "Status.h"
#include "TestScores.h"

namespace jitsu {

// The files a printing run of one grade starts from. Large (about 90 KB): hold it on the heap.
struct GradeFiles {
    GradeRoster roster;                      // with the class ranges of the grade
    TestScores scores;                       // -1 for every score the file does not hold
    FileFindings rosterHealth, scoreHealth;  // what the readers saw in the two files
};

// Reads the roster of grade `grade` (0 … 2) of `year`, computes its class ranges, then reads the
// grade's score file of test `test`. Both files are required: the first that cannot be opened is
// announced with the beep and the suite's stop box ("生徒氏名のファイルを…" or
// "点数データのファイルを…", printing cannot be done), nothing after it is read, and the result is
// an error naming the file. A file read but found damaged is shown (goOnDespiteDamage); when the
// person stops, the result is an error naming the file and the finding.
Status readGradeFiles(const std::filesystem::path& dir, const BasicData& data, unsigned year,
                      int test, int grade, GradeFiles& files, Messages& messages);

// The roster half of readGradeFiles, for a print that needs only the students' names.
Status readGradeRoster(const std::filesystem::path& dir, const BasicData& data, unsigned year,
                       int grade, GradeRoster& roster, FileFindings& health, Messages& messages);

}  // namespace jitsu
