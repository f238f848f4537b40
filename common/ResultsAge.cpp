// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsAge.h"

#include <chrono>
#include <memory>

#include "FileVersions.h"
#include "GradeResults.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "ResultsFile.h"
#include "Statistics.h"
#include "TestScores.h"

namespace jitsu {

namespace {

namespace fs = std::filesystem;

std::optional<std::int64_t> savedAt(const fs::path& path) {
    std::error_code ec;
    const auto time = fs::last_write_time(path, ec);
    if (ec) return std::nullopt;
    using namespace std::chrono;
    return duration_cast<microseconds>(file_clock::to_sys(time).time_since_epoch()).count();
}

}  // namespace

std::optional<StaleResults> staleResults(const fs::path& dir, unsigned year, int test, int grade) {
    const fs::path results = resultsPath(dir, year, test, grade);
    const fs::path scores = scorePath(dir, year, test, grade);
    // A link is the reader's to judge (it refuses one out of the folder) before its age is.
    std::error_code ec;
    if (fs::is_symlink(results, ec) || fs::is_symlink(scores, ec)) return std::nullopt;
    const auto resultsSaved = savedAt(results);
    const auto scoresSaved = savedAt(scores);
    if (!resultsSaved || !scoresSaved) return std::nullopt;
    for (const auto& [file, saved] : {std::pair{scores, scoresSaved},
                                      std::pair{basicDataPath(dir), savedAt(basicDataPath(dir))}})
        if (saved && *saved > *resultsSaved)
            return StaleResults{results, file, *resultsSaved, *saved};
    return std::nullopt;
}

std::string staleReason(const StaleResults& stale) {
    return stale.results.filename().string() + " (saved " + versionTimeText(stale.resultsSaved) +
           ") is out of date: " + stale.newer.filename().string() + " was saved after it (" +
           versionTimeText(stale.newerSaved) + ")";
}

std::string staleDetail(const StaleResults& stale) {
    return "結果ファイル " + stale.results.filename().string() + "：" +
           versionTimeText(stale.resultsSaved) + " 保存\n" + stale.newer.filename().string() +
           "：" + versionTimeText(stale.newerSaved) + " 保存（結果ファイルより後）";
}

Status recomputeResults(const fs::path& dir, const GradeData& grade, unsigned year, int test,
                        int gradeNumber) {
    const fs::path scoresFile = scorePath(dir, year, test, gradeNumber);
    const fs::path resultsFile = resultsPath(dir, year, test, gradeNumber);
    auto scores = std::make_unique<TestScores>();
    FileFindings health;
    if (Status read = readScores(scoresFile, grade, *scores, &health); !read) return read;
    if (!checkShape(health).fits || health.damaged())
        return Status::error(scoresFile.string() + ": " + health.describe());
    auto results = std::make_unique<GradeResults>();
    CombinationSet ticked{};
    if (readResultsFile(resultsFile, grade, *results))
        for (int k = 0; k < kCombinations; ++k) ticked[k] = results->comboFlags[k] != 0;
    computeGradeResults(grade, *scores, ticked, *results);
    return writeResultsFile(resultsFile, grade, *results);
}

bool confirmFreshResults(const fs::path& dir, Messages& messages, const GradeData& grade,
                         unsigned year, int test, int gradeNumber) {
    const auto stale = staleResults(dir, year, test, gradeNumber);
    if (!stale) return true;
    if (messages.ask(text::kResultsOutOfDate, text::kConfirm, MessageIcon::Exclamation,
                     MessageButtons::YesNo, MessageAnswer::No,
                     staleDetail(*stale)) != MessageAnswer::Yes)
        return false;
    if (Status s = recomputeResults(dir, grade, year, test, gradeNumber); !s) {
        messages.alert(text::kResultsNotSaved, text::kConfirm, MessageIcon::Stop, s.reason());
        return false;
    }
    return true;
}

}  // namespace jitsu
