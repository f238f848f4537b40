// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <zip.h>

#include <cstdlib>
#include <cstring>
#include <map>

#include "Cp932.h"
#include "Golden.h"
#include "SheetReader.h"

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

std::string utf16(const std::string& utf8, bool big) {
    std::string out = big ? "\xFE\xFF" : "\xFF\xFE";
    for (std::size_t i = 0; i < utf8.size();) {  // BMP only: enough for these texts
        const auto b = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = b < 0x80 ? 1 : b < 0xE0 ? 2 : 3;
        unsigned c = length == 1 ? b : b & (length == 2 ? 0x1F : 0x0F);
        for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (utf8[i + k] & 0x3F);
        const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
        out += big ? std::string{hi, lo} : std::string{lo, hi};
        i += length;
    }
    return out;
}

// A workbook of the given parts (name → XML), zipped with libzip.
std::string zipParts(const std::map<std::string, std::string>& parts) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(buffer);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    for (const auto& [name, content] : parts) {
        char* copy = static_cast<char*>(std::malloc(content.size()));
        std::memcpy(copy, content.data(), content.size());
        zip_file_add(archive, name.c_str(), zip_source_buffer(archive, copy, content.size(), 1),
                     ZIP_FL_ENC_UTF_8);
    }
    zip_close(archive);
    zip_source_open(buffer);
    zip_stat_t stat;
    zip_source_stat(buffer, &stat);
    std::string bytes(stat.size, '\0');
    zip_source_read(buffer, bytes.data(), stat.size);
    zip_source_close(buffer);
    zip_source_free(buffer);
    zip_error_fini(&error);
    return bytes;
}

const char* kRelations =
    R"(<?xml version="1.0" encoding="UTF-8"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId1" Target="worksheets/sheet1.xml" Type="worksheet"/>
<Relationship Id="rId2" Target="/xl/worksheets/sheet2.xml" Type="worksheet"/>
</Relationships>)";
const char* kWorkbook =
    R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"
 xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets>
<sheet name="1組" sheetId="1" r:id="rId1"/><sheet name="2組" sheetId="2" r:id="rId2"/>
</sheets></workbook>)";
// Shared strings with a run and a phonetic reading (rPh) that is no part of the text.
const char* kShared =
    R"(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">
<si><t>番号</t></si><si><r><t>氏</t></r><r><t>名</t></r></si>
<si><t>佐藤　太郎</t><rPh sb="0" eb="2"><t>サトウ</t></rPh></si><si><t xml:space="preserve"> 007 </t></si>
</sst>)";

std::string sheetXml(const std::string& rows) {
    return R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)" +
           rows + "</sheetData></worksheet>";
}

std::map<std::string, std::string> workbookParts() {
    return {
        {"xl/_rels/workbook.xml.rels", kRelations},
        {"xl/workbook.xml", kWorkbook},
        {"xl/sharedStrings.xml", kShared},
        // Shared strings, a number stored as text, numbers as numbers (85, 72.5, 9.0E1), an
        // inline string, a formula's text, a gap at column B, an empty row, cells without r.
        {"xl/worksheets/sheet1.xml",
         sheetXml(R"(<row r="2"><c r="A2" t="s"><v>0</v></c><c r="C2" t="s"><v>1</v></c></row>
<row r="3"><c r="A3" t="s"><v>3</v></c><c r="C3" t="s"><v>2</v></c><c r="D3"><v>85</v></c>
<c r="E3" t="n"><v>72.5</v></c><c r="F3"><v>9.0E1</v></c></row>
<row r="4"><c r="A4"/><c r="B4" t="s"/></row>
<row r="5"><c t="inlineStr"><is><t>鈴木</t><rPh><t>スズキ</t></rPh></is></c><c t="str"><v>=x</v></c><c><v>0.30000000000000004</v></c></row>)")},
        {"xl/worksheets/sheet2.xml", sheetXml(R"(<row r="1"><c r="AB1"><v>1</v></c></row>)")},
    };
}

std::string readXlsx(const std::map<std::string, std::string>& parts, SheetChoice choice = {}) {
    std::vector<Sheet> sheets;
    const Status s = readSheets(zipParts(parts), "w.xlsx", TextEncoding::Detect, choice, sheets);
    return s ? dump(sheets) : "error: " + s.reason();
}

}  // namespace

// The same table in every encoding a spreadsheet saves text in reads the same, row numbers
// being the lines the records start on.
TEST(SheetReader, TextInEveryEncodingReadsTheSame) {
    const std::string table =
        "名簿\r\n\r\n組,番号,氏名\r\n1,\"2\",\"佐藤\r\n太郎\"\r\n,,\r\n"
        "\"a \"\"b\"\"\",　c　\r\n";
    const std::string expected = "[t]\n1: 名簿\n3: 組|番号|氏名\n4: 1|2|佐藤\n太郎\n7: a \"b\"|c\n";
    std::string tsv = table;
    for (char& c : tsv)
        if (c == ',') c = '\t';
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"UTF-8", table},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + table},
        {"UTF-16 LE", utf16(table, false)},
        {"UTF-16 BE", utf16(table, true)},
        {"CP932", toCp932(table)},
        {"TSV", tsv},
        {"lone CR",
         [&] {
             std::string cr = table;
             std::erase(cr, '\n');
             return cr;
         }()},
    };
    for (const auto& c : cases) EXPECT_EQ(readText(c.bytes), expected) << c.name;
}

// Each refusal names the file and, where there is one, the line (one a line in the golden file).
TEST(SheetReader, RefusesTextNamingTheFileAndTheLine) {
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
    reasons +=
        readSheets("a", "t.csv", TextEncoding::Detect, {SheetChoice::Which::Named, "x"}, sheets)
            .reason() +
        "\n";
    EXPECT_TRUE(matchesGolden(reasons, "sheet-reader/text-refusals.txt"));
}

TEST(SheetReader, WorkbookCellsReadAsTypedWhateverTheirKind) {
    EXPECT_EQ(readXlsx(workbookParts()),
              "[1組]\n2: 番号||氏名\n3: 007||佐藤　太郎|85|72.5|90\n5: 鈴木|=x|0.3\n");
    EXPECT_EQ(readXlsx(workbookParts(), {SheetChoice::Which::Named, "2組"}),
              "[2組]\n1: " + std::string(27, '|') + "1\n");
    EXPECT_EQ(readXlsx(workbookParts(), {SheetChoice::Which::All, ""}).substr(0, 6), "[1組]");
}

// A damaged or foreign workbook is refused with its file and the part at fault, never read half:
// a sheet that is not there, a missing part, XML cut short, a shared string that is not there,
// no sheet, rows out of order, a cell past the last column, bytes that are no zip archive.
TEST(SheetReader, RefusesWorkbooksNamingTheFileAndThePart) {
    std::string reasons;
    auto refusal = [&](std::map<std::string, std::string> parts, SheetChoice choice = {}) {
        reasons += readXlsx(parts, choice) + "\n";
    };
    refusal(workbookParts(), {SheetChoice::Which::Named, "3組"});
    auto parts = workbookParts();
    parts.erase("xl/workbook.xml");
    refusal(parts);
    parts = workbookParts();
    parts["xl/worksheets/sheet1.xml"] = "<worksheet><sheetData><row>";
    refusal(parts);
    parts = workbookParts();
    parts["xl/worksheets/sheet1.xml"] = sheetXml(R"(<row r="9"><c t="s"><v>99</v></c></row>)");
    refusal(parts);
    parts = workbookParts();
    parts["xl/workbook.xml"] = "<workbook><sheets/></workbook>";
    refusal(parts);
    parts = workbookParts();
    parts["xl/worksheets/sheet1.xml"] =
        sheetXml(R"(<row r="3"><c><v>1</v></c></row><row r="2"><c><v>1</v></c></row>)");
    refusal(parts);
    parts["xl/worksheets/sheet1.xml"] = sheetXml(R"(<row r="1"><c r="XFE1"><v>1</v></c></row>)");
    refusal(parts);
    std::vector<Sheet> sheets;
    reasons +=
        readSheets(std::string("PK\x03\x04 torn", 9), "w.xlsx", TextEncoding::Detect, {}, sheets)
            .reason() +
        "\n";
    EXPECT_TRUE(matchesGolden(reasons, "sheet-reader/workbook-refusals.txt"));
}
