// SPDX-License-Identifier: GPL-3.0-or-later
// The spreadsheet reader on any bytes: it fails with a reason naming the file, or gives rows
// numbered in order, none of them empty. With JITSU_ROUND_TRIP, the cells of text read are
// written as quoted CSV and read again: the same cells.
#include <algorithm>

#include "FuzzCheck.h"
#include "SheetReader.h"

using namespace jitsu;
using namespace jitsu::yearfiles;

namespace {

const SheetChoice kAll{SheetChoice::Which::All, ""};

[[maybe_unused]] std::vector<std::vector<std::string>> cellsOf(const std::vector<Sheet>& sheets) {
    std::vector<std::vector<std::string>> cells;
    for (const Sheet& sheet : sheets)
        for (const SheetRow& row : sheet.rows) cells.push_back(row.cells);
    return cells;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::textOf(data, size);
    std::vector<Sheet> sheets;
    const Status read = readSheets(input, "f.csv", TextEncoding::Detect, kAll, sheets);
    if (!read) {
        fuzz::require(read.reason().starts_with("f.csv"), "a refusal names the file");
        return 0;
    }
    for (const Sheet& sheet : sheets)
        for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
            const SheetRow& row = sheet.rows[r];
            fuzz::require(r == 0 || row.number >= sheet.rows[r - 1].number, "rows in file order");
            fuzz::require(std::any_of(row.cells.begin(), row.cells.end(),
                                      [](const std::string& c) { return !c.empty(); }),
                          "no empty row");
        }
#ifdef JITSU_ROUND_TRIP
    if (input.starts_with("PK\x03\x04")) return 0;
    std::string written;
    for (const auto& row : cellsOf(sheets)) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            std::string quoted;
            for (char c : row[i]) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
            written += (i ? ",\"" : "\"") + quoted + "\"";
        }
        written += "\n";
    }
    std::vector<Sheet> again;
    fuzz::require(bool(readSheets(written, "f.csv", TextEncoding::Utf8, kAll, again)),
                  "written cells read again");
    fuzz::require(cellsOf(again) == cellsOf(sheets), "cells read back as written");
#endif
    return 0;
}
