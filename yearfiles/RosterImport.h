// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "BasicData.h"
#include "SheetReader.h"
#include "Status.h"

namespace jitsu::yearfiles {

// How to read a roster kept in a spreadsheet.
struct ImportOptions {
    int gradeNumber = 0;  // 1 … 3: the grade that 1年1組, 1-1 and a 学年 column must name
    TextEncoding encoding = TextEncoding::Detect;
    std::string sheet;  // the workbook's sheet to read; "" for the first
    // The columns in file order as "class", "number", "name" or "" (ignored). Empty: a header
    // row names them (SheetColumns.h), title rows above it are skipped.
    std::vector<std::string> columns;
    std::string source;  // the file's name, for messages
};

// "class,number,name" as columns; nullopt when an item is none of those (or "-" to skip).
std::optional<std::vector<std::string>> parseColumnList(const std::string& list);

// A roster ready to be written, and what the teacher should know about it.
struct ImportedRoster {
    std::string bytes;  // the suite's form: "number,name" in CP932, CR LF, classes in order
    int students = 0;
    std::vector<std::string> classes;   // UTF-8: each line's class name, for the preview
    std::vector<std::string> notes;     // UTF-8: a class whose count differs from its head count
    std::vector<unsigned> classCounts;  // the students of each class, in class order
    // UTF-8: each form a class was written in and the class understood, in order of appearance.
    std::vector<std::pair<std::string, std::string>> classForms;
};

// Reads a spreadsheet (readSheets: xlsx, or CSV/TSV text), takes class, student number and name
// (or 姓 and 名) from each row under the header and orders the students by class, then by
// number compared as a number. A number is kept in its normal form (normalStudentNumber:
// full-width digits as ASCII, no blanks around it). Classes are understood as SheetColumns.h
// tells; a 学年 column must name the grade. Fails naming `options.source` and the row for: an
// unknown class, another grade, a student number that is not all digits, the same number twice
// in a class, a
// name or number that CP932 cannot carry (naming the character) or that is longer than the
// roster holds, a missing header.
Status importRoster(std::string_view raw, const ImportOptions& options, const GradeData& grade,
                    ImportedRoster& imported);

// importRoster on the content of file `source` (named in the messages).
Status importRosterFile(const std::filesystem::path& source, ImportOptions options,
                        const GradeData& grade, ImportedRoster& imported);

// What to show before writing, UTF-8: the student count, the notes, the class forms as
// understood and the first `lines` students with their classes.
std::string previewText(const ImportedRoster& imported, std::size_t lines = 10);

// Writes the roster atomically; refuses to replace an existing file unless `replace`.
Status writeRoster(const std::filesystem::path& path, const ImportedRoster& imported, bool replace);

}  // namespace jitsu::yearfiles
