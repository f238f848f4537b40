#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "BasicData.h"
#include "Status.h"

namespace jitsu::yearfiles {

// How to read a roster saved by a spreadsheet.
struct ImportOptions {
    enum class Encoding { Detect, Utf8, Cp932 } encoding = Encoding::Detect;
    // The columns in file order as "class", "number", "name" or "" (ignored). Empty: the first
    // line must be a header naming them (組/クラス, 番号/出席番号/学籍番号, 氏名/名前).
    std::vector<std::string> columns;
    std::string source;  // the file's name, for messages
};

// "class,number,name" as columns; nullopt when an item is none of those (or "-" to skip).
std::optional<std::vector<std::string>> parseColumnList(const std::string& list);

// A roster ready to be written, and what the teacher should know about it.
struct ImportedRoster {
    std::string bytes;  // the suite's form: "number,name" in CP932, CR LF, classes in order
    int students = 0;
    std::vector<std::string> classes;  // UTF-8: each line's class name, for the preview
    std::vector<std::string> notes;    // UTF-8: a class whose count differs from its head count
};

// Reads CSV or TSV text (UTF-8 with or without BOM, or CP932; comma or tab; quoted fields),
// takes class, student number and name from each non-empty line and orders the students by
// class, then by number compared as a number. A number is kept in its normal form
// (normalStudentNumber: full-width digits as ASCII, no blanks around it). A class is given by
// its number or its name in `grade`. Fails naming `options.source` and the line for: an
// unknown class, a student number that is not all digits, the same number twice in a class, a
// name or number that CP932 cannot carry (naming the character) or that is longer than the
// roster holds, a missing header.
Status importRoster(std::string_view raw, const ImportOptions& options, const GradeData& grade,
                    ImportedRoster& imported);

// importRoster on the content of file `source` (named in the messages).
Status importRosterFile(const std::filesystem::path& source, ImportOptions options,
                        const GradeData& grade, ImportedRoster& imported);

// What to show before writing, UTF-8: the student count, the notes and the first `lines`
// students with their classes.
std::string previewText(const ImportedRoster& imported, std::size_t lines = 10);

// Writes the roster atomically; refuses to replace an existing file unless `replace`.
Status writeRoster(const std::filesystem::path& path, const ImportedRoster& imported, bool replace);

}  // namespace jitsu::yearfiles
