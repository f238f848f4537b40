// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "BasicData.h"
#include "FileFindings.h"
#include "GradeResults.h"
#include "Status.h"

namespace jitsu {

// The results file's exact bytes (CR LF line ends): per class 45 slots of three lines (scores
// and totals "%d ", deviation scores "%f ", ranks "%d ", the combinations in order A), the
// subject summary "%d %f " per subject, the combination summary in order B after a line break,
// and the flags in order C after a line break, with neither trailing blank nor line end.
std::string formatResultsFile(const GradeData& grade, const GradeResults& results);

// Replaces the results file atomically; fails when it cannot be written.
Status writeResultsFile(const std::filesystem::path& path, const GradeData& grade,
                        const GradeResults& results);

// Reads the file's values over `results` as a token stream in the writer's order, each
// combination group mapped back to index order. Values the text does not hold are left as
// they were; counts come from `grade` and never reach beyond the record. With `health`,
// records what it saw against resultsFileValues(grade).
void parseResultsFile(std::string_view text, const GradeData& grade, GradeResults& results,
                      FileFindings* health = nullptr);

// Resets `results` (resetGradeResults) and reads the file over it. Fails when the file cannot
// be read (readTextFile: a missing file is told apart), which leaves the reset values.
Status readResultsFile(const std::filesystem::path& path, const GradeData& grade,
                       GradeResults& results, FileFindings* health = nullptr);

// The values a results file of `grade` holds: 3 × 45 × (subjects + combinations) per class,
// two per subject and per combination, and the flags.
std::size_t resultsFileValues(const GradeData& grade);

}  // namespace jitsu
