// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "BasicData.h"
#include "Messages.h"
#include "QuestionMarks.h"
#include "Roster.h"
#include "ScoreFileMerge.h"
#include "ScoreImport.h"
#include "SheetReader.h"
#include "Status.h"

namespace jitsu::yearfiles {

// The names of the two sheets of a workbook that holds both: the definition and the marks.
inline constexpr const char* kDefinitionSheet = "設問";
inline constexpr const char* kMarksSheet = "解答";

// What to take: the marks per question of one subject of a grade in a test.
struct QuestionImportRequest {
    int gradeNumber = 1;  // 1 … 3
    int test = 1;         // 1 … the grade's tests
    std::string subject;  // UTF-8, a subject name of the basic data
};

// A sheet as read, with the name its findings give it: "FILE" or "FILE[SHEET]".
struct PlacedSheet {
    Sheet sheet;
    std::string place;
};

// The marks read, ready to be shown, kept and summed into the score file.
struct QuestionPlan {
    int subject = 0;  // of the grade, 0-based
    questions::QuestionMarks marks;
    std::vector<ScoreFinding> findings;  // while any remains, nothing is written
};

// Reads the definition (a header row naming 問 and 配点, and 領域, 観点 and 正答 where given; one
// row a question) and the marks (a header row naming 組, 番号, perhaps 氏名, and one column per
// question, headed by its 問; one row a student) for the request's subject. A mark is the points
// earned, a whole number up to the question's points; where the question has a 正答, the choice
// read: the points when it is the 正答, else 0. A blank cell (or 欠) is no answer; a row without
// any mark is a student absent, kept out. Students are found by class and number in `roster` as
// the score import finds them. Findings, each with its row: points that are no whole number,
// texts the question file cannot hold, a 正答 that is no choice, a question twice, points that do
// not add up to the subject's full marks in the test (the difference said), a column that names no
// question and a question without a column, a choice not of the 正答's kind (one digit, letter or
// kana a character), a mark above its points or no whole number, a student not in the roster, a
// class not of the grade, a student twice. Fails (nothing to read) when the subject is none of the
// grade's or not given in the test, or either sheet has no header row.
Status planQuestionImport(const PlacedSheet& definition, const PlacedSheet& marks,
                          const GradeData& grade, const GradeRoster& roster,
                          const QuestionImportRequest& request, QuestionPlan& plan);

// Reads `file` and plans the import: with `answers`, `file` is the definition and `answers` the
// marks (each a CSV, TSV or the first sheet of a workbook); without it, `file` is a workbook
// holding the sheets 設問 and 解答. The roster is the grade's in `dir`.
Status planQuestionImportFile(const std::filesystem::path& dir, const BasicData& basic,
                              const std::filesystem::path& file,
                              const std::filesystem::path& answers,
                              const QuestionImportRequest& request, QuestionPlan& plan);

// What the plan brings, for the preview (UTF-8): the questions and their points, per class the
// students found and the average, highest and lowest of their sums, then the findings.
std::string questionPlanText(const QuestionPlan& plan, const GradeData& grade);

// The plan's sums as scores of its subject: what the score import would take from a sheet of
// them.
ScorePlan sumsOf(const QuestionPlan& plan);

// Merges each student's sum into the test's score file exactly as the score import does
// (saveScoreImport: the save lock, the cell merge, the conflict question through `messages`;
// the grade's results then out of date), then, when it was written, keeps the marks in the
// question file beside it (questionFilePath), replaced atomically: as the sheet gives them, also
// where the conflict question kept the score file's own score. A plan with findings writes
// nothing and fails.
FileMergeResult saveQuestionImport(const std::filesystem::path& dir, const BasicData& basic,
                                   const QuestionImportRequest& request, const QuestionPlan& plan,
                                   Messages& messages);

}  // namespace jitsu::yearfiles
