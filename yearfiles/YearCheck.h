// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "Reason.h"

namespace jitsu::yearfiles {

// One thing wrong in a data file: how bad, which kind, where, what and what the teacher can do
// about it.
struct Finding {
    enum class Severity { Error, Warning } severity = Severity::Error;
    // The kind, stable across releases for scripts to match ("roster.line-count"): the file's
    // kind (basic, roster, scores, results, settings), a dot and what is wrong. The list is the
    // "code" enumeration of packaging/check-findings.schema.json.
    std::string code;
    std::filesystem::path file;
    std::size_t line = 0;  // 1-based; 0 when the finding concerns the whole file
    // What is wrong and what to do in the suite's windows, put into words where shown.
    Reason what, todo;
    // The program whose window fixes it ("basesetup", "scoreentry", "reportcard"), or empty
    // when the launcher itself does (a roster imported again) or nothing can.
    std::string fixedIn;
};

// Reads every file of school year `year` in `dir` (0: the basic data file's year) and reports
// what has drifted apart: the basic data against basesetup's own checks; each roster against
// the head counts (line count, field sizes, CP932 bytes, line ends, UTF-8, student numbers
// that are not numbers or not in order within a class); each score file's
// shape, scores above full marks, scores for a subject not given, negative values other than
// -1; each results file's shape and whether its score file was saved after it; the folder's
// settings file, when there is one, readable as the suite's settings. Missing score
// and results files are no finding; a missing roster is a warning.
std::vector<Finding> checkYear(const std::filesystem::path& dir, unsigned year = 0);

bool hasError(const std::vector<Finding>& findings);

// "error: FILE:LINE: what; todo" (no ":LINE" for a whole file) in the process's language; FILE
// as its name only when the folder is shown elsewhere.
std::string findingLine(const Finding& finding, bool nameOnly = false);

// The findings as a JSON array of {"severity", "code", "file", "line" (null for a whole file),
// "what", "todo"}, as packaging/check-findings.schema.json describes it. Bytes that are not
// UTF-8 (a folder named in CP932) are written as the four characters \xHH, never raw.
std::string findingsJson(const std::vector<Finding>& findings);

}  // namespace jitsu::yearfiles
