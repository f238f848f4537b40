// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "BasicData.h"
#include "QuestionMarks.h"
#include "Roster.h"
#include "Status.h"

namespace jitsu::questions {

// Which subject's marks per question: of grade `grade` (1 … 3) in test `test` (1 … the
// grade's tests).
struct QuestionsRequest {
    int grade = 1;
    int test = 1;
    std::string subject;  // UTF-8, as the basic data names it
};

// The marks per question kept for a request, with the names its pages and export show.
struct LoadedQuestions {
    std::filesystem::path file;  // the question file read
    QuestionMarks marks;
    std::string title;                      // UTF-8: "第２回実力テスト　２年　数学"
    std::vector<std::string> classNames;    // UTF-8, one per class of the grade
    std::vector<std::string> studentNames;  // UTF-8, per marks.students (studentNamesOf)
};

// Reads the question file of the request in `dir` (questionFilePath). Fails naming the subject when
// the grade has none of that name, naming the file when it is missing, damaged, of another grade or
// test, or holds a class the grade does not have.
Status loadQuestions(const std::filesystem::path& dir, const BasicData& data,
                     const QuestionsRequest& request, LoadedQuestions& loaded);

// The names of the students `marks` holds, from the grade's roster with its class ranges.
std::vector<std::string> studentNamesOf(const GradeRoster& roster, const QuestionMarks& marks);

}  // namespace jitsu::questions
