// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "BasicData.h"
#include "QuestionPages.h"
#include "QuestionsLoad.h"
#include "Services.h"
#include "Status.h"

namespace jitsu::questions {

// What a print of one subject's marks per question asks for.
struct QuestionReportRequest {
    QuestionsRequest what;
    std::optional<int> cls;  // only this class's charts and sheets (1 …)
    ReportParts parts;
};

// Loads the marks (loadQuestions) and prints the report (printQuestionReport). Marks that
// cannot be loaded and a printer that failed are boxes; returns that failure, a cancelled dialog
// being none.
Status runQuestionReport(const Services& services, const BasicData& data,
                         const QuestionReportRequest& request);

}  // namespace jitsu::questions
