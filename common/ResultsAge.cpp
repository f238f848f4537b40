// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsAge.h"

#include <chrono>
#include <memory>

#include "FileSystem.h"
#include "FileVersions.h"
#include "GradeResults.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "ResultsFile.h"
#include "Statistics.h"
#include "TestScores.h"
#include "TextFile.h"

namespace jitsu {

namespace {

namespace fs = std::filesystem;

std::optional<std::int64_t> savedAt(const fs::path& path) {
    const auto time = fileSystem().modified(path);
    if (!time) return std::nullopt;
    using namespace std::chrono;
    return duration_cast<microseconds>(time->time_since_epoch()).count();
}

// Whether `a` and `b` give a grade the same counts, head counts, disciplines and full marks, the
// basic data its results are computed from (names are only shown).
bool sameResultsBasis(const GradeData& a, const GradeData& b) {
    if (a.classCount != b.classCount || a.subjectCount != b.subjectCount ||
        a.testCount != b.testCount)
        return false;
    for (int k = 0; k < a.classes(); ++k)
        if (a.headCounts[k] != b.headCounts[k]) return false;
    for (int j = 0; j < a.subjects(); ++j) {
        if (a.disciplineNumbers[j] != b.disciplineNumbers[j]) return false;
        for (int t = 0; t < a.tests(); ++t)
            if (a.fullMarks[t][j] != b.fullMarks[t][j]) return false;
    }
    return true;
}

// Whether the basic data saved after `since` gives grade `grade` (1 … 3) what the one in effect
// then gave: the oldest version replaced after `since`, unless older ones may have been dropped
// meanwhile. False when that cannot be told.
bool gradeUnchangedSince(const fs::path& dir, int grade, std::int64_t since) {
    const fs::path file = basicDataPath(dir);
    const std::vector<FileVersion> versions = listVersions(file);  // newest first
    std::size_t after = 0;
    while (after < versions.size() && versions[after].microseconds > since) ++after;
    if (after == 0 || (after == versions.size() && after >= kVersionsKept)) return false;
    auto now = std::make_unique<BasicData>();
    auto then = std::make_unique<BasicData>();
    std::string text;
    if (!readBasicData(file, *now) ||
        !readTextFile(versions[after - 1].path, kMaxBasicDataBytes, text))
        return false;
    parseBasicData(text, *then);
    return sameResultsBasis(now->grades[grade - 1], then->grades[grade - 1]);
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
    if (*scoresSaved > *resultsSaved)
        return StaleResults{results, scores, *resultsSaved, *scoresSaved};
    const fs::path basic = basicDataPath(dir);
    const auto basicSaved = savedAt(basic);
    if (basicSaved && *basicSaved > *resultsSaved &&
        !gradeUnchangedSince(dir, grade, *resultsSaved))
        return StaleResults{results, basic, *resultsSaved, *basicSaved};
    return std::nullopt;
}

Reason staleReason(const StaleResults& stale) {
    return because(N_("{1} (saved {2}) is out of date: {3} was saved after it ({4})"),
                   stale.results.filename(), versionTimeText(stale.resultsSaved),
                   stale.newer.filename(), versionTimeText(stale.newerSaved));
}

std::string staleDetail(const StaleResults& stale) {
    return "結果ファイル " + utf8FromPath(stale.results.filename()) + "：" +
           versionTimeText(stale.resultsSaved) + " 保存\n" + utf8FromPath(stale.newer.filename()) +
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
        return Status::error(utf8FromPath(scoresFile) + ": " + health.describe());
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
