// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "Status.h"

namespace jitsu::yearfiles {

// One row of a sheet: its cells as UTF-8 text, the blanks a spreadsheet leaves around a cell
// (the ideographic space included) trimmed, and its number in the file (the line a CSV record
// starts on, an xlsx row's number) for messages.
struct SheetRow {
    std::size_t number = 0;
    std::vector<std::string> cells;

    // The cell in column `column` (0-based), "" past the row's end.
    const std::string& cell(std::size_t column) const;
};

// A sheet's rows in file order; rows whose cells are all empty are left out.
struct Sheet {
    std::string name;  // the xlsx sheet's name; a text file's name without its extension
    std::vector<SheetRow> rows;
};

// How to read a text file without a byte order mark; a BOM (UTF-8, UTF-16) always decides.
enum class TextEncoding { Detect, Utf8, Cp932 };

// Which sheets of a workbook to read: the first, the one named, or all of them.
struct SheetChoice {
    enum class Which { First, Named, All } which = Which::First;
    std::string name;  // for Named
};

// The largest spreadsheet file read, and the most cells (empty ones within rows counted) and
// columns of a sheet: far above any roster or score sheet of a school.
inline constexpr std::size_t kMaxSheetFileBytes = std::size_t(16) << 20;
inline constexpr std::size_t kMaxSheetCells = std::size_t(1) << 21;
inline constexpr long kMaxSheetColumns = 16384;  // A to XFD

// Reads the sheets chosen from `bytes`, named `source` in the messages. An xlsx workbook (a zip
// archive) gives its sheets in the workbook's order: shared and inline strings as text, numbers
// as their shortest decimal text (85, 72.5). Anything else is read as CSV or TSV text in UTF-8,
// UTF-16 or CP932 (Detect: UTF-8 when the bytes are valid UTF-8, else CP932), split at tabs when
// the text holds more tabs than commas outside quotes, else at commas; a field in double quotes may
// hold the separator, line breaks and "" for one quote. A text file is one sheet, named `source`'s
// stem. Fails naming `source` (and the line or the sheet) for bytes that fit no encoding, a quote
// left open, a workbook that cannot be read, and a named sheet that is not there (listing those
// there).
Status readSheets(std::string_view bytes, const std::string& source, TextEncoding encoding,
                  const SheetChoice& choice, std::vector<Sheet>& sheets);

// readSheets on the content of file `path` (at most kMaxSheetFileBytes), named as it is given.
Status readSheetFile(const std::filesystem::path& path, TextEncoding encoding,
                     const SheetChoice& choice, std::vector<Sheet>& sheets);

// "source:line: what", or "source: what" without a line (0): how every import names its fault.
Status placedError(const std::string& source, std::size_t line, const std::string& what);

// Text without the blanks a spreadsheet leaves around a cell, the ideographic space included.
std::string trimmedCell(std::string_view text);

// The xlsx part of readSheets, for `bytes` that are a zip archive.
Status readXlsxSheets(std::string_view bytes, const std::string& source, const SheetChoice& choice,
                      std::vector<Sheet>& sheets);

}  // namespace jitsu::yearfiles
