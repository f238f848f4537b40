// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "BasicData.h"
#include "Messages.h"
#include "Roster.h"
#include "ScoreFileMerge.h"
#include "SheetReader.h"
#include "Status.h"
#include "TestScores.h"

namespace jitsu::yearfiles {

// What to take from a teacher's score sheet.
struct ScoreImportRequest {
    int gradeNumber = 1;                // 1 … 3
    int test = 1;                       // 1 … the grade's tests
    std::vector<std::string> subjects;  // the subjects to take (UTF-8); empty for all there
    std::string cls;                    // the class of a sheet without a class column
    std::string source;                 // the file's name, for messages
};

// One score the sheet gives: subject, class and slot of the grade.
struct ImportedScore {
    int subject = 0, cls = 0, slot = 0, score = 0;
};

// Something in a row that keeps its score (or its whole row) out, in words for the person.
struct ScoreFinding {
    std::string place;  // "FILE:ROW" or "FILE[SHEET]:ROW"
    std::string what;
};

// The scores read from the sheets, ready to be shown and merged.
struct ScorePlan {
    std::vector<ImportedScore> scores;
    std::vector<ScoreFinding> findings;
    std::vector<std::string> skippedColumns;  // headers that name no subject, once each
    std::vector<int> subjects;                // the subjects read, in the basic data's order
    std::vector<std::string> sheets;          // the sheets read
};

// Reads scores from `sheets`: each has a header row (title rows above it skipped) naming a
// number column (番号/出席番号/No.) and one column per subject, by the subject names of the basic
// data, and a class column (組/クラス, in the forms SheetColumns.h reads) or else one class for
// the whole sheet: `request.cls`, or the sheet's name. Of a workbook whose first sheet has no
// class column, every sheet named after a class of the grade is read (the others are skipped).
// Students are found by class and number in `roster` (its class ranges set); when the roster
// numbers a class's students otherwise than 1 to 45 (10101 …), the number is the place in the
// class (出席番号). Blank cells and 欠 give no score; rows without a number (totals, averages)
// are no students. Each of these is a finding with its row, its score left out: a student not
// in the roster, a class not of the grade, a score that is not a whole number or above the full
// marks, a score of a subject not given in the test, a student given twice. Fails (nothing to
// import) when no header row is found, a requested subject is no subject of the grade or no
// column of the sheet, or a sheet's class cannot be told.
Status planScoreImport(const std::vector<Sheet>& sheets, const GradeData& grade,
                       const GradeRoster& roster, const ScoreImportRequest& request,
                       ScorePlan& plan);

// What the plan brings, for the preview (UTF-8): the sheets read, counts per subject and class,
// the columns skipped and the findings.
std::string scorePlanText(const ScorePlan& plan, const GradeData& grade);

// The plan's scores over a test with no scores (every other cell -1).
std::unique_ptr<TestScores> plannedScores(const ScorePlan& plan);

// Saves the plan's scores into the test's score file in `dir` as a score entry terminal that
// typed them into a test without scores would (mergeIntoScoreFile): a cell the file holds and
// the sheet leaves blank keeps the file's score; one both hold differently is a conflict, asked
// about. The grade's results files are then older than the scores: out of date.
FileMergeResult saveScoreImport(const std::filesystem::path& dir, const BasicData& basic,
                                const ScoreImportRequest& request, const ScorePlan& plan,
                                Messages& messages);

// Whether a cell is blank or holds a mark teachers write for a student who did not sit the
// test (欠, 欠席, -): no score.
bool isAbsentMark(const std::string& cell);

// The slot (0-based) of the student `number` of class `cls` in `roster`, or -1: the roster's
// number, or the place in the class (出席番号) when the roster numbers its students otherwise
// (10101 …).
int studentSlot(const GradeRoster& roster, int cls, const std::string& number);

// The roster of grade `gradeNumber` in `dir` with its classes' ranges from the head counts.
Status readGradeRoster(const std::filesystem::path& dir, const BasicData& basic, int gradeNumber,
                       GradeRoster& roster);

// Reads the file (xlsx: its first sheet or `sheet`; of a workbook without a class column, the
// class sheets), the roster of the grade in `dir` and plans the import.
Status planScoreImportFile(const std::filesystem::path& dir, const BasicData& basic,
                           const std::filesystem::path& file, const std::string& sheet,
                           ScoreImportRequest request, ScorePlan& plan);

}  // namespace jitsu::yearfiles
