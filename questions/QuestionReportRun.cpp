// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionReportRun.h"

#include <memory>

#include "MessageTexts.h"

namespace jitsu::questions {

Status runQuestionReport(const Services& services, const BasicData& data,
                         const QuestionReportRequest& request) {
    auto loaded = std::make_unique<LoadedQuestions>();
    if (Status read = loadQuestions(services.dir, data, request.what, *loaded); !read) {
        services.messages.alert(text::kResultsNotRead, text::kConfirm, MessageIcon::Stop,
                                read.reason());
        return read;
    }
    const QuestionReportJob job{loaded->marks,        loaded->title, loaded->classNames,
                                loaded->studentNames, request.cls,   request.parts};
    Status printed = printQuestionReport(job, services.printer, services.messages);
    if (!printed)
        services.messages.alert(text::kPrintFailed, text::kConfirm, MessageIcon::Stop,
                                printed.reason());
    return printed;
}

}  // namespace jitsu::questions
