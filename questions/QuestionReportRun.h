// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "BasicData.h"
#include "QuestionPages.h"
#include "QuestionsLoad.h"
#include "Services.h"
#include "Status.h"

namespace jitsu::questions {

// What a print of one subject's marks per question asks for.
struct QuestionReportRequest {
    QuestionsRequest what;
    std::vector<int> classes;  // the classes whose charts and sheets print (1 …); empty for all
    ReportParts parts;
};

// Loads the marks (loadQuestions) and prints the report (printQuestionReport). Marks that
// cannot be loaded and a printer that failed are boxes; returns that failure, a cancelled dialog
// being none.
Status runQuestionReport(const Services& services, const BasicData& data,
                         const QuestionReportRequest& request);

// The launcher's print, from the folder's basic data: the classes named in `classes`
// (numbersNamed: "1,3" or "1 3", empty for all). No basic data, a test the grade does not have
// and classes that are not the grade's are boxes, as is every failure of the run.
void printQuestionsFromFolder(const Services& services, const QuestionsRequest& what,
                              std::string_view classes);

}  // namespace jitsu::questions
