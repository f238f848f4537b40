// SPDX-License-Identifier: GPL-3.0-or-later
#include "YearFileActions.h"

#include <memory>

#include "BasicData.h"
#include "FileSystem.h"
#include "Paths.h"
#include "ResultsAge.h"
#include "ResultsExport.h"
#include "RosterAlignment.h"
#include "RosterImport.h"

namespace jitsu::launcher {

RosterPlan planRosterImport(const std::filesystem::path& dir, const std::filesystem::path& source,
                            int grade) {
    RosterPlan plan;
    auto data = std::make_unique<BasicData>();
    if (plan.status = readBasicData(basicDataPath(dir), *data); !plan.status) return plan;
    yearfiles::ImportOptions options;
    options.gradeNumber = grade;
    plan.status =
        yearfiles::importRosterFile(source, options, data->grades[grade - 1], plan.roster);
    if (!plan.status) return plan;
    plan.status = yearfiles::planRosterReplacement(dir, *data, data->year, grade, plan.roster,
                                                   plan.replacement);
    if (!plan.status) return plan;
    plan.target = plan.replacement.roster;
    std::error_code ec;
    plan.question = std::to_string(grade) + "年の名簿 " + utf8FromPath(plan.target.filename()) +
                    (std::filesystem::exists(plan.target, ec) ? " を、この内容で上書きしますか？"
                                                              : " を、この内容で作りますか？");
    plan.details = yearfiles::previewText(plan.roster);
    if (yearfiles::carriesScores(plan.replacement)) {
        plan.question += "\n点数ファイルの得点は生徒について移ります。";
        plan.details = yearfiles::replacementSummary(plan.replacement, data->grades[grade - 1]) +
                       "\n" + plan.details;
    }
    return plan;
}

Status writeRosterImport(const RosterPlan& plan) {
    return yearfiles::applyRosterReplacement(plan.replacement, plan.roster);
}

void alignScoresToEditedRosters(const std::filesystem::path& dir, Messages& messages) {
    auto data = std::make_unique<BasicData>();
    if (readBasicData(basicDataPath(dir), *data))
        (void)yearfiles::alignScoresAtStartUp(dir, *data, messages);
}

std::string versionLabel(const FileVersion& version) {
    return std::to_string(version.number) + "　" + versionTimeText(version.microseconds) + "　" +
           version.program + "　" + std::to_string(version.bytes) + " バイト";
}

ScoreImportPlan planScoresImport(const std::filesystem::path& dir,
                                 const std::filesystem::path& source, int grade, int test) {
    ScoreImportPlan plan;
    plan.basic = std::make_unique<BasicData>();
    if (plan.status = readBasicData(basicDataPath(dir), *plan.basic); !plan.status) return plan;
    plan.request.gradeNumber = grade;
    plan.request.test = test;
    plan.status =
        yearfiles::planScoreImportFile(dir, *plan.basic, source, "", plan.request, plan.plan);
    if (!plan.status) return plan;
    plan.preview = yearfiles::scorePlanText(plan.plan, plan.basic->grades[grade - 1]);
    const std::string where = std::to_string(grade) + "年 第" + std::to_string(test) + "回の点数";
    plan.question =
        plan.plan.findings.empty()
            ? where + "に " + std::to_string(plan.plan.scores.size()) + " 件を取り込みますか？"
            : "取り込めない点数が " + std::to_string(plan.plan.findings.size()) +
                  " 件あります（下の一覧）。それらを除いて、" + where + "に " +
                  std::to_string(plan.plan.scores.size()) + " 件を取り込みますか？";
    return plan;
}

Status importScores(const std::filesystem::path& dir, const ScoreImportPlan& plan,
                    Messages& messages, std::string& done) {
    const FileMergeResult result =
        yearfiles::saveScoreImport(dir, *plan.basic, plan.request, plan.plan, messages);
    done.clear();
    if (result.outcome == FileMergeOutcome::Failed) return result.status;
    if (result.outcome == FileMergeOutcome::Written)
        done = std::to_string(plan.plan.scores.size()) +
               " 件の点数を取り込みました。この回の結果ファイルは、作り直すまで古いままです。";
    return Status::ok();
}

std::vector<TestFiles> exportableTests(const FolderOverview& overview) {
    std::vector<TestFiles> tests;
    for (const TestFiles& files : overview.tests)
        if (files.results.exists) tests.push_back(files);
    return tests;
}

bool confirmFreshResults(const std::filesystem::path& dir, Messages& messages, int grade,
                         int test) {
    auto data = std::make_unique<BasicData>();
    if (!readBasicData(basicDataPath(dir), *data)) return true;  // the export tells what fails
    return jitsu::confirmFreshResults(dir, messages, data->grades[grade - 1], data->year, test,
                                      grade);
}

std::filesystem::path exportFileName(const std::filesystem::path& dir, unsigned year,
                                     const TestFiles& files) {
    return resultsPath(dir, year, files.test, files.grade).replace_extension(".xlsx");
}

Status exportTest(const std::filesystem::path& dir, const TestFiles& files,
                  const std::filesystem::path& output, std::string& done) {
    auto data = std::make_unique<BasicData>();
    if (Status read = readBasicData(basicDataPath(dir), *data); !read) return read;
    const bool csv = output.extension() == ".csv";
    yearfiles::ExportRequest request{data->year, files.test, files.grade, output, csv, false};
    std::size_t students = 0;
    if (Status s = yearfiles::exportResults(dir, *data, request, students); !s) return s;
    done = utf8FromPath(output.filename()) + " に " + std::to_string(students) +
           " 人分を書き出しました。";
    return Status::ok();
}

}  // namespace jitsu::launcher
