// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "QuestionMarks.h"
#include "Reason.h"
#include "Status.h"

namespace jitsu::questions {

// The file of the marks per question of one subject of one grade in one test, beside the score
// file: "JS" + yy + "_" + test + "_" + grade + "_" + subject + ".txt" (JS26_2_1_3.txt: the third
// subject of the basic data). CP932, CR LF, fields split at commas:
//   grade,test,subject,questions,students
//   label,points,domain,viewpoint,answer        one line a question, in order
//   class,slot,points,points,…                  one line a student present, in class and slot order
// A blank mark is a question left unanswered. Classes and slots count from 1.
std::filesystem::path questionFilePath(const std::filesystem::path& dir, unsigned year, int test,
                                       int grade, int subject);

// Capacities of the file: questions of a subject, bytes of each text.
inline constexpr int kMaxQuestions = 100;
inline constexpr std::size_t kMaxQuestionText = 30;
inline constexpr std::size_t kMaxQuestionFileBytes = std::size_t(4) << 20;

// Why a text of the definition (CP932) cannot be kept in the file: empty where it may not be
// (`required`), longer than kMaxQuestionText bytes, or holding a comma or a control character.
std::optional<Reason> questionTextProblem(std::string_view cp932, bool required);

// The file's bytes for `marks` (their values in the ranges the reader checks).
std::string formatQuestionFile(const QuestionMarks& marks);

// Reads the file's text (LF line ends) into `marks`. Every value is checked: grade 1 … 3, test
// 1 … 10, 1 … kMaxQuestions questions of 1 … 999 points adding up to 999 at most, texts as
// questionTextProblem allows, students in class (1 … 20) and slot (1 … 45) order, each mark
// blank or from 0 to its question's points, and exactly the lines the counts say. Fails naming
// `path` and the line of the first damage.
Status parseQuestionFile(std::string_view text, const std::filesystem::path& path,
                         QuestionMarks& marks);

// Reads the file at `path` (missing told apart, as readTextFile) and parses it.
Status readQuestionFile(const std::filesystem::path& path, QuestionMarks& marks);

// Replaces the file atomically (its earlier bytes kept as a version).
Status writeQuestionFile(const std::filesystem::path& path, const QuestionMarks& marks);

}  // namespace jitsu::questions
