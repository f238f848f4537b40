// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "Catalogue.h"
#include "Golden.h"
#include "SheetReader.h"
#include "TempDir.h"

using namespace jitsu;
using namespace jitsu::yearfiles;

namespace {

// The sheets as "name" then one "row: cell|cell" line per row.
std::string dump(const std::vector<Sheet>& sheets) {
    std::string out;
    for (const Sheet& sheet : sheets) {
        out += "[" + sheet.name + "]\n";
        for (const SheetRow& row : sheet.rows) {
            out += std::to_string(row.number) + ":";
            for (std::size_t i = 0; i < row.cells.size(); ++i)
                out += (i ? "|" : " ") + row.cells[i];
            out += "\n";
        }
    }
    return out;
}

std::string readText(const std::string& bytes, TextEncoding encoding = TextEncoding::Detect) {
    std::vector<Sheet> sheets;
    const Status s = readSheets(bytes, "t.csv", encoding, {}, sheets);
    return s ? dump(sheets) : "error: " + s.reason();
}

const std::filesystem::path kSheetData = std::filesystem::path(JITSU_TESTDATA_DIR) / "sheet-reader";

// The workbook of tests/data/sheet-reader: sheets 1組 and 2組; shared strings with a run and a
// phonetic reading (rPh) that is no part of the text; in 1組 a number stored as text, numbers as
// numbers (85, 72.5, 9.0E1), an inline string, a formula's text, a gap at column B, an empty row
// and cells without r.
std::string readXlsx(const std::string& bytes, SheetChoice choice = {}) {
    std::vector<Sheet> sheets;
    const Status s = readSheets(bytes, "w.xlsx", TextEncoding::Detect, choice, sheets);
    return s ? dump(sheets) : "error: " + s.reason();
}

// What `refusals` gives, in English against tests/data/sheet-reader/NAME.txt and in Japanese
// against NAME-ja.txt.
void expectInBothLanguages(const std::function<std::string()>& refusals, const std::string& name) {
    EXPECT_TRUE(matchesGolden(refusals(), "sheet-reader/" + name + ".txt"));
    ASSERT_TRUE(speakJapanese());
    const std::string japanese = refusals();
    speakEnglish();
    EXPECT_TRUE(matchesGolden(japanese, "sheet-reader/" + name + "-ja.txt"));
}

}  // namespace

// The same table in every encoding a spreadsheet saves text in reads the same, row numbers
// being the lines the records start on.
TEST(SheetReader, TextInEveryEncodingReadsTheSame) {
    const std::string expected = "[t]\n1: 名簿\n3: 組|番号|氏名\n4: 1|2|佐藤\n太郎\n7: a \"b\"|c\n";
    for (const auto& file : std::filesystem::directory_iterator(kSheetData / "encodings"))
        EXPECT_EQ(readText(readBytes(file.path())), expected) << file.path();
}

// Each refusal names the file and, where there is one, the line (one a line in the golden file),
// in English and in Japanese.
TEST(SheetReader, RefusesTextNamingTheFileAndTheLine) {
    expectInBothLanguages(
        [] {
            std::string reasons;
            for (const auto& [bytes, encoding] : std::vector<std::pair<std::string, TextEncoding>>{
                     {"a,b\n\"c,d\ne\n", TextEncoding::Detect},
                     {"a\n\x82\xA0\n\x82\n", TextEncoding::Cp932},
                     {"a\n\x82\xA0\n", TextEncoding::Utf8},
                     {std::string("\xFF\xFE"
                                  "a\0\n\0\x00\xD8",
                                  8),
                      TextEncoding::Detect},
                 })
                reasons += readText(bytes, encoding) + "\n";
            std::vector<Sheet> sheets;
            reasons += readSheets("a", "t.csv", TextEncoding::Detect,
                                  {SheetChoice::Which::Named, "x"}, sheets)
                           .reason() +
                       "\n";
            return reasons;
        },
        "text-refusals");
}

TEST(SheetReader, WorkbookCellsReadAsTypedWhateverTheirKind) {
    const std::string workbook = readBytes(kSheetData / "workbook.xlsx");
    EXPECT_EQ(readXlsx(workbook),
              "[1組]\n2: 番号||氏名\n3: 007||佐藤　太郎|85|72.5|90\n5: 鈴木|=x|0.3\n");
    EXPECT_EQ(readXlsx(workbook, {SheetChoice::Which::Named, "2組"}),
              "[2組]\n1: " + std::string(27, '|') + "1\n");
    EXPECT_EQ(readXlsx(workbook, {SheetChoice::Which::All, ""}).substr(0, 6), "[1組]");
}

// A damaged or foreign workbook is refused with its file and the part at fault, never read half,
// in English and in Japanese: a sheet that is not there, then the workbooks of
// tests/data/sheet-reader/damaged (a missing part, XML cut short, a shared string that is not
// there, no sheet, rows out of order, a cell past the last column, bytes that are no zip archive).
TEST(SheetReader, RefusesWorkbooksNamingTheFileAndThePart) {
    std::vector<std::filesystem::path> damaged(
        std::filesystem::directory_iterator(kSheetData / "damaged"), {});
    std::sort(damaged.begin(), damaged.end());
    expectInBothLanguages(
        [&] {
            std::string reasons = readXlsx(readBytes(kSheetData / "workbook.xlsx"),
                                           {SheetChoice::Which::Named, "3組"}) +
                                  "\n";
            for (const auto& file : damaged) reasons += readXlsx(readBytes(file)) + "\n";
            return reasons;
        },
        "workbook-refusals");
}
