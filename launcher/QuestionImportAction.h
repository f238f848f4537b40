// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "BasicData.h"
#include "Messages.h"
#include "QuestionImport.h"
#include "Status.h"

namespace jitsu::launcher {

// Whether a file chosen for the marks per question is a workbook holding both sheets (設問 and
// 解答); otherwise the marks sheet is asked for as a second file.
bool holdsBothSheets(const std::filesystem::path& file);

// The subjects (UTF-8) of grade `grade` given in test `test` of the folder's basic data, for
// the person to choose from; none when the basic data cannot be read.
std::vector<std::string> givenSubjects(const std::filesystem::path& dir, int grade, int test);

// The marks per question read for one subject of a test, ready to be shown and, once confirmed
// and without findings, kept and summed into the score file.
struct QuestionImportPlan {
    Status status = Status::ok();  // why nothing can be imported
    std::unique_ptr<BasicData> basic;
    yearfiles::QuestionImportRequest request;
    yearfiles::QuestionPlan plan;
    bool importable = false;  // read, and no finding remains
    std::string question;     // UTF-8: the confirmation, or what to put right first
    std::string preview;      // UTF-8: questionPlanText
};
QuestionImportPlan planQuestionsImport(const std::filesystem::path& dir,
                                       const std::filesystem::path& file,
                                       const std::filesystem::path& answers,
                                       const yearfiles::QuestionImportRequest& request);

// Keeps and merges an importable plan (saveQuestionImport, conflicts asked through `messages`).
// `done` gets the message to show when the files were written, "" when the person cancelled.
Status importQuestions(const std::filesystem::path& dir, const QuestionImportPlan& plan,
                       Messages& messages, std::string& done);

}  // namespace jitsu::launcher
