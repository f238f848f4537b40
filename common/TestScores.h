// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "BasicData.h"
#include "FileFindings.h"
#include "Limits.h"
#include "Status.h"

namespace jitsu {

// All scores of one grade in one test; any negative score means none.
struct TestScores {
    std::int32_t scores[kMaxSubjects][kMaxClasses][kSlots];

    TestScores() { clear(); }
    void clear();  // every score -1
};

// Sets every score of the record to -1 (those of other shapes too) and reads the score file over
// them, value by value in the writer's order (class, slot 0 to 44, subject); a score above any
// full marks (kMaxFullMarks) is recorded in the health, with its place, and read as -1. Fails when
// the file cannot be read (readTextFile: a missing file is told apart), which leaves all scores at
// -1. With `health`, records what it saw against scoreFileValues(grade); checkShape tells whether
// it fits.
// With `test` (1-based), a score above the subject's full marks in that test (or for a subject
// the test does not give) is rejected the same way. A value below -1 is rejected too: it is no
// score, as -1 is, but no writer of the suite writes it.
Status readScores(const std::filesystem::path& path, const GradeData& grade, TestScores& scores,
                  FileFindings* health = nullptr, int test = 0);
void parseScores(std::string_view text, const GradeData& grade, TestScores& scores,
                 FileFindings* health = nullptr, int test = 0);

// The values a score file of `grade` holds: classCount × 45 × subjectCount.
std::size_t scoreFileValues(const GradeData& grade);

// The file's exact bytes: per class, 45 lines of "%d " per subject, CR LF line ends.
std::string formatScores(const GradeData& grade, const TestScores& scores);

// Replaces the score file atomically; fails when it cannot be written.
Status writeScores(const std::filesystem::path& path, const GradeData& grade,
                   const TestScores& scores);

}  // namespace jitsu
