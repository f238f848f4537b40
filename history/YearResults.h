// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "BasicData.h"
#include "GradeResults.h"
#include "Messages.h"

namespace jitsu::history {

// One test's results file as read.
struct TestResults {
    int test = 0;  // 1 … 10
    std::unique_ptr<GradeResults> results;
};

// The results files of one grade over the year, in test order.
struct YearResults {
    std::vector<TestResults> tests;
    std::vector<std::string> leftOut;  // "PATH: finding" of each results file left out
};

// The box text of a results file left out of the history.
inline constexpr const char* kLeftOutText =
    "この回の結果ファイルは基礎データと合わないため、推移に含めません";

// The box text of a grade without any results file of the year.
inline constexpr const char* kNoResultsText = "この学年の結果ファイルがありません。";

// Reads the results file of every test of grade `grade` (0 … 2). A test without a results file
// is not part of the year. A file that cannot be read, is damaged, or whose count of values no
// longer fits the grade's classes and subjects (checkShape) is left out with a warning box
// naming the file and the finding (also kept in leftOut); its values are never mixed in.
YearResults readYearResults(const std::filesystem::path& dir, const BasicData& data, unsigned year,
                            int grade, Messages& messages);

}  // namespace jitsu::history
