// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionReportRun.h"

#include <memory>

#include "DamagedFile.h"
#include "GradeFiles.h"
#include "MessageTexts.h"
#include "NumberList.h"
#include "Paths.h"

namespace jitsu::questions {

Status runQuestionReport(const Services& services, const BasicData& data,
                         const QuestionReportRequest& request) {
    auto loaded = std::make_unique<LoadedQuestions>();
    if (Status read = loadQuestions(services.dir, data, request.what, *loaded); !read) {
        services.messages.alert(text::kResultsNotRead, text::kConfirm, MessageIcon::Stop,
                                read.reason());
        return read;
    }
    // The sheets and charts name the students: the roster is read as every print reads it.
    auto roster = std::make_unique<GradeRoster>();
    FileFindings rosterHealth;
    if (Status read = readGradeRoster(services.dir, data, data.year, request.what.grade - 1,
                                      *roster, rosterHealth, services.messages);
        !read)
        return read;
    loaded->studentNames = studentNamesOf(*roster, loaded->marks);
    const QuestionReportJob job{loaded->marks,        loaded->title,   loaded->classNames,
                                loaded->studentNames, request.classes, request.parts};
    Status printed = printQuestionReport(job, services.printer, services.messages);
    if (!printed)
        services.messages.alert(text::kPrintFailed, text::kConfirm, MessageIcon::Stop,
                                printed.reason());
    return printed;
}

void printQuestionsFromFolder(const Services& services, const QuestionsRequest& what,
                              std::string_view classes) {
    Messages& messages = services.messages;
    auto data = std::make_unique<BasicData>();
    const auto basicPath = basicDataPath(services.dir);
    FileFindings health;
    if (Status read = readBasicData(basicPath, *data, &health); !read)
        return messages.alert(text::kBasicDataMissing, text::kConfirm, MessageIcon::Stop,
                              read.reason());
    if (!goOnDespiteDamage(basicPath, health, messages)) return;
    const GradeData& grade = data->grades[what.grade - 1];
    if (what.test > grade.tests())
        return messages.inform(std::to_string(what.grade) + "年のテストは第" +
                                   std::to_string(grade.tests()) + "回までです。",
                               text::kConfirm, MessageIcon::Exclamation);
    const auto chosen = classesNamed(classes, grade.classes());
    if (!chosen)
        return messages.inform(classListHint(grade.classes()), text::kConfirm,
                               MessageIcon::Exclamation);
    QuestionReportRequest request{what, {}, {}};
    if (!classes.empty())
        for (int c = 0; c < grade.classes(); ++c)
            if ((*chosen)[c]) request.classes.push_back(c + 1);
    // Every failure has been told in its box.
    (void)runQuestionReport(services, *data, request);
}

}  // namespace jitsu::questions
