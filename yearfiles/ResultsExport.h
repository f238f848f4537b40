// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "BasicData.h"
#include "GradeResults.h"
#include "Roster.h"
#include "Status.h"

namespace jitsu::yearfiles {

// One cell of the exported sheet. Empty for an absent student's values, never 0.
struct ExportCell {
    enum class Kind { Empty, Text, Integer, OneDecimal } kind = Kind::Empty;
    std::string text;  // UTF-8, for Text
    double value = 0;  // for Integer and OneDecimal (偏差値, a percentage)
};

// The sheet: a Japanese header row and one row per student.
struct ExportTable {
    std::vector<std::string> header;
    // The first columns' widths in characters; the columns after them are 12 wide (wide enough
    // for "英国数偏差値").
    std::vector<double> widths;
    std::vector<std::vector<ExportCell>> rows;
};

// One row per slot within the head counts, in roster order (`roster` with its class ranges):
// 組, 番号, 氏名, then per subject given in test `test` (1-based) its score, 偏差値 and 順位,
// then per combination the results file holds its 合計, 偏差値 and 順位. Student numbers made
// of digits only are numbers.
ExportTable exportTable(const GradeData& grade, int test, const GradeRoster& roster,
                        const GradeResults& results);

// CSV with CR LF line ends: UTF-8 with a BOM (Excel reads it as UTF-8), or CP932. 偏差値 with
// one decimal. A text that begins with =, +, -, @, a tab or a CR is written after an apostrophe,
// so that no spreadsheet takes it for a formula.
std::string formatCsv(const ExportTable& table, bool cp932);

// The sheet as an xlsx workbook: header row frozen, column widths set, numbers as numbers,
// 偏差値 shown with one decimal. Written through the atomic writer (AtomicReplacement): on
// failure the target is left as it was.
Status writeXlsx(const std::filesystem::path& path, const ExportTable& table);

// What to export and where.
struct ExportRequest {
    unsigned year = 0;
    int test = 1, grade = 1;  // 1-based; the test must be one of the grade's
    std::filesystem::path output;
    bool csv = false, cp932 = false;
};

// Reads the grade's roster and results file in `dir` and writes the sheet: xlsx, or CSV in
// UTF-8 with BOM or CP932, atomically. A missing or damaged file is an error naming it (and
// the finding); nothing is written then. Sets `students` to the rows written.
Status exportResults(const std::filesystem::path& dir, const BasicData& data,
                     const ExportRequest& request, std::size_t& students);

}  // namespace jitsu::yearfiles
