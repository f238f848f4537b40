// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderOverview.h"

#include <memory>
#include <system_error>

#include "BasicData.h"
#include "FileSystem.h"
#include "Limits.h"
#include "Paths.h"
#include "System.h"
#include "TestList.h"

namespace jitsu::launcher {

namespace {

SavedFile savedFile(const std::filesystem::path& path) {
    const auto time = fileSystem().modified(path);
    if (!time) return {};
    return {true, *time};
}

}  // namespace

FolderOverview readFolderOverview(const std::filesystem::path& dir) {
    FolderOverview overview;
    overview.chosen = !dir.empty();
    std::error_code error;
    overview.exists = overview.chosen && std::filesystem::is_directory(dir, error);
    if (!overview.exists) return overview;
    const auto path = basicDataPath(dir);
    overview.hasBasicData = std::filesystem::is_regular_file(path, error);
    if (!overview.hasBasicData) return overview;
    auto data = std::make_unique<BasicData>();
    if (!readBasicData(path, *data)) return overview;
    overview.year = data->year;
    overview.schoolName = data->schoolName.utf8();
    overview.testName = data->testName.utf8();
    for (int grade = 1; grade <= kGrades; ++grade)
        for (int test = 1; test <= data->grades[grade - 1].tests(); ++test)
            overview.tests.push_back({grade, test,
                                      savedFile(scorePath(dir, data->year, test, grade)),
                                      savedFile(resultsPath(dir, data->year, test, grade))});
    return overview;
}

std::string savedText(const std::tm& time) {
    char text[32];
    std::strftime(text, sizeof text, "%Y/%m/%d %H:%M", &time);
    return text;
}

std::string savedText(const SavedFile& file) {
    if (!file.exists) return "なし";
    const std::time_t time = std::chrono::system_clock::to_time_t(file.saved);
    return savedText(localTime(time));
}

std::vector<OverviewRow> overviewRows(const FolderOverview& overview) {
    std::vector<OverviewRow> rows;
    for (const TestFiles& files : overview.tests)
        rows.push_back({std::to_string(files.grade) + "年", testLabel(files.test),
                        savedText(files.scores), savedText(files.results)});
    return rows;
}

bool canStart(bool needsBasicData, const FolderOverview& overview) {
    return overview.exists && (overview.hasBasicData || !needsBasicData);
}

std::string folderStatusText(const FolderOverview& overview) {
    if (!overview.chosen) return "データのフォルダーを選んでください。";
    if (!overview.exists)
        return "このフォルダーが見つかりません。USB メモリなどがつながっているか確かめるか、"
               "別のフォルダーを選んでください。";
    if (!overview.hasBasicData)
        return "このフォルダーには基礎データ（wqnmkiso.txt）がありません。"
               "まず「基礎データ」で学校と年度を設定し、閉じて保存してください。";
    if (overview.year == 0)
        return "このフォルダーの基礎データ（wqnmkiso.txt）が読めないか、年度が入っていません。"
               "「基礎データ」で確かめてください。";
    return std::to_string(overview.year) + "年度　" + overview.schoolName + "　" +
           overview.testName;
}

}  // namespace jitsu::launcher
