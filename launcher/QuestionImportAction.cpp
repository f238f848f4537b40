// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionImportAction.h"

#include "Paths.h"

namespace jitsu::launcher {

bool holdsBothSheets(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".xlsx";
}

std::vector<std::string> givenSubjects(const std::filesystem::path& dir, int grade, int test) {
    auto basic = std::make_unique<BasicData>();
    std::vector<std::string> names;
    if (!readBasicData(basicDataPath(dir), *basic)) return names;
    const GradeData& data = basic->grades[grade - 1];
    for (int j = 0; j < data.subjects(); ++j)
        if (data.isGiven(test - 1, j)) names.push_back(data.subjectNames[j].utf8());
    return names;
}

QuestionImportPlan planQuestionsImport(const std::filesystem::path& dir,
                                       const std::filesystem::path& file,
                                       const std::filesystem::path& answers,
                                       const yearfiles::QuestionImportRequest& request) {
    QuestionImportPlan plan;
    plan.request = request;
    plan.basic = std::make_unique<BasicData>();
    if (plan.status = readBasicData(basicDataPath(dir), *plan.basic); !plan.status) return plan;
    plan.status =
        yearfiles::planQuestionImportFile(dir, *plan.basic, file, answers, request, plan.plan);
    if (!plan.status) return plan;
    plan.preview =
        yearfiles::questionPlanText(plan.plan, plan.basic->grades[request.gradeNumber - 1]);
    plan.importable = plan.plan.findings.empty();
    const std::string where = std::to_string(request.gradeNumber) + "年 第" +
                              std::to_string(request.test) + "回の" + request.subject;
    plan.question = plan.importable
                        ? where + "に " + std::to_string(plan.plan.marks.students.size()) +
                              " 人の設問別の得点を残し、合計を点数に取り込みますか？"
                        : "表に直すところが " + std::to_string(plan.plan.findings.size()) +
                              " 件あります（下の一覧）。直してから、もう一度取り込んでください。";
    return plan;
}

Status importQuestions(const std::filesystem::path& dir, const QuestionImportPlan& plan,
                       Messages& messages, std::string& done) {
    done.clear();
    const FileMergeResult result =
        yearfiles::saveQuestionImport(dir, *plan.basic, plan.request, plan.plan, messages);
    if (result.outcome == FileMergeOutcome::Failed) return result.status;
    if (result.outcome == FileMergeOutcome::Written)
        done = std::to_string(plan.plan.marks.students.size()) +
               " 人の設問別の得点を残し、合計を点数に取り込みました。この回の結果ファイルは、"
               "作り直すまで古いままです。";
    return Status::ok();
}

}  // namespace jitsu::launcher
