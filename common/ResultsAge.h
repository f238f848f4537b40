// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "BasicData.h"
#include "Messages.h"
#include "Status.h"

namespace jitsu {

// A results file saved before a file it was computed from: its grade's score file, or the
// basic data with the grade's counts, head counts, disciplines or full marks changed since
// (told by the basic data's earlier versions; when they cannot tell, any later save counts).
// Times in microseconds since 1970.
struct StaleResults {
    std::filesystem::path results, newer;
    std::int64_t resultsSaved = 0, newerSaved = 0;
};

// The results file of grade `grade` (1 … 3) in test `test` of `year` in `dir` when it is out of
// date; nullopt when it is not, or when it or its score file does not exist or is a link.
std::optional<StaleResults> staleResults(const std::filesystem::path& dir, unsigned year, int test,
                                         int grade);

// "JK26_2_1.txt (saved 2026-12-07 10:01:02) is out of date: JT26_2_1.txt was saved after it
// (2026-12-07 10:05:00)", the times in Japan time.
Reason staleReason(const StaleResults& stale);
// The same in Japanese, for a question's details.
std::string staleDetail(const StaleResults& stale);

// Computes the results of the test again from its score file, with the combinations the
// present results file holds, and replaces the results file (what reportcard's 実行 saves).
// Fails naming the file when the score file cannot be read or no longer fits the basic data.
Status recomputeResults(const std::filesystem::path& dir, const GradeData& grade, unsigned year,
                        int test, int gradeNumber);

// Before a window uses the results file of a test: when it is out of date, asks whether to
// compute it again first (naming both files and their save times; No is the safe answer) and
// does so on Yes. True when the results can be used: fresh, or computed again; false on No, or
// when they could not be computed (told in a box).
bool confirmFreshResults(const std::filesystem::path& dir, Messages& messages,
                         const GradeData& grade, unsigned year, int test, int gradeNumber);

}  // namespace jitsu
