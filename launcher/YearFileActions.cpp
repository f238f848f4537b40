#include "YearFileActions.h"

#include <memory>

#include "BasicData.h"
#include "Paths.h"
#include "ResultsExport.h"
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
    plan.target = rosterPath(dir, data->rosterTag.view(), data->year, grade);
    std::error_code ec;
    plan.question = std::to_string(grade) + "年の名簿 " + plan.target.filename().string() +
                    (std::filesystem::exists(plan.target, ec) ? " を、この内容で上書きしますか？"
                                                              : " を、この内容で作りますか？");
    return plan;
}

std::vector<TestFiles> exportableTests(const FolderOverview& overview) {
    std::vector<TestFiles> tests;
    for (const TestFiles& files : overview.tests)
        if (files.results.exists) tests.push_back(files);
    return tests;
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
    done =
        output.filename().string() + " に " + std::to_string(students) + " 人分を書き出しました。";
    return Status::ok();
}

}  // namespace jitsu::launcher
