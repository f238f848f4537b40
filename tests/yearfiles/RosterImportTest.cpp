// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "Cp932.h"
#include "Fixtures.h"
#include "Golden.h"
#include "RosterImport.h"
#include "TempDir.h"

using namespace jitsu;
using namespace jitsu::yearfiles;

namespace {

const std::filesystem::path kRosterImportData =
    std::filesystem::path(JITSU_TESTDATA_DIR) / "roster-import";

// Two classes "１" and "２" with the given head counts.
GradeData twoClasses(unsigned first, unsigned second) {
    GradeData grade = makeGrade(2, first, 0);
    grade.headCounts[1] = second;
    grade.classNames[0].assign(sj("１"));
    grade.classNames[1].assign(sj("２"));
    return grade;
}

Status import(const std::string& raw, ImportedRoster& imported,
              std::vector<std::string> columns = {}, const GradeData& grade = twoClasses(1, 2)) {
    ImportOptions options;
    options.columns = std::move(columns);
    options.source = "in.csv";
    return importRoster(raw, options, grade, imported);
}

}  // namespace

// A UTF-8 export with BOM, header, shuffled columns, quotes, a class by name and a blank line,
// and a CP932 TSV in another order give the suite's own roster, byte for byte.
TEST(RosterImport, Utf8WithBomAndCp932GiveTheSameRoster) {
    const std::string expected = readBytes(kRosterImportData / "expected.csv");
    for (const char* name : {"utf8-bom.csv", "cp932.tsv"}) {
        ImportedRoster imported;
        ASSERT_TRUE(import(readBytes(kRosterImportData / name), imported)) << name;
        EXPECT_EQ(imported.bytes, expected) << name;
        EXPECT_EQ(imported.students, 3);
        EXPECT_TRUE(imported.notes.empty());
    }
}

TEST(RosterImport, ColumnsGivenWithoutHeaderAndCountsThatDifferAreReported) {
    ImportedRoster imported;
    ASSERT_TRUE(
        import("x,２,1,鈴木\n", imported, {"", "class", "number", "name"}, twoClasses(1, 1)));
    EXPECT_EQ(imported.bytes, toCp932("1,鈴木\r\n"));
    EXPECT_EQ(imported.notes, std::vector<std::string>{"１組：0 人（基礎データの人数は 1 人）"});
}

// Numbers typed with the input method on are digits like any other: a class of ten is ordered
// １, ２, …, １０, not １, １０, ２.
TEST(RosterImport, FullWidthNumbersAreOrderedAsNumbers) {
    std::string raw = "組,番号,氏名\n";
    const char* fullWidth[] = {"１", "２", "３", "４", "５", "６", "７", "８", "９", "１０"};
    for (int n = 10; n >= 1; --n)
        raw += std::string("1,") + fullWidth[n - 1] + ",生徒" + std::to_string(n) + "\n";
    raw += "1, ０１１ ,生徒11\n";
    ImportedRoster imported;
    ASSERT_TRUE(import(raw, imported, {}, twoClasses(11, 0)));
    std::string expected;
    for (int n = 1; n <= 10; ++n)
        expected += std::to_string(n) + ",生徒" + std::to_string(n) + "\r\n";
    EXPECT_EQ(imported.bytes, toCp932(expected + "011,生徒11\r\n"));
}

// Each input refused with one reason naming the file and the line (a line each in the golden
// file): a name CP932 cannot carry, a class not of the grade, no header, a name too long, a comma
// in a name, a number twice in a class (also when written another way), no student, bytes that
// are not CP932, a number that is not all digits, a NUL in a name.
TEST(RosterImport, RefusesNamingTheFileAndTheLine) {
    using namespace std::string_literals;
    std::string reasons;
    for (const std::string& raw : std::initializer_list<std::string>{
             "組,番号,氏名\n1,1,佐藤\0\n"s, "組,番号,氏名\n1,1,佐藤\n1,2,𠮷田　花子\n",
             "組,番号,氏名\n3,1,佐藤\n", "1,1,佐藤\n",
             "組,番号,氏名\n1,1,あいうえおかきくけこさしすせそ\n",
             "組,番号,氏名\n1,1,\"佐藤,太郎\"\n", "組,番号,氏名\n2,1,佐藤\n1,1,鈴木\n２,1,高橋\n",
             "組,番号,氏名\n\n", "\x91\x67,1,2\n1,1,\x82\n", "組,番号,氏名\n1,２,佐藤\n1,02,鈴木\n",
             "組,番号,氏名\n1,1,佐藤\n1,１Ａ,鈴木\n"}) {
        ImportedRoster imported;
        const Status status = import(raw, imported);
        EXPECT_FALSE(status) << raw;
        reasons += status.reason() + "\n";
    }
    EXPECT_TRUE(matchesGolden(reasons, "roster-import/refusals.txt"));
}

TEST(RosterImport, NeverReplacesARosterWithoutBeingTold) {
    TempDir dir;
    writeBytes(dir / "N261.csv", "old");
    ImportedRoster imported;
    imported.bytes = "new";
    EXPECT_FALSE(writeRoster(dir / "N261.csv", imported, false));
    EXPECT_EQ(readBytes(dir / "N261.csv"), "old");
    ASSERT_TRUE(writeRoster(dir / "N261.csv", imported, true));
    EXPECT_EQ(readBytes(dir / "N261.csv"), "new");
}

// Each header and class form a school writes (tests/data/roster-import/forms), read for grade 1
// of two classes named A and B: the input (⏎ for a line break) and the roster or the refusal,
// in the golden file.
TEST(RosterImport, UnderstandsTheHeaderAndClassFormsSchoolsWrite) {
    GradeData grade = twoClasses(1, 1);
    grade.classNames[0].assign("A");
    grade.classNames[1].assign("B");
    std::string out;
    std::vector<std::filesystem::path> forms(
        std::filesystem::directory_iterator(kRosterImportData / "forms"), {});
    std::sort(forms.begin(), forms.end());
    for (const auto& form : forms) {
        const std::string raw = readBytes(form);
        ImportedRoster imported;
        ImportOptions options;
        options.gradeNumber = 1;
        options.source = "in.csv";
        std::string shown = raw;
        for (std::size_t at; (at = shown.find('\n')) != std::string::npos;)
            shown.replace(at, 1, "⏎");
        out += shown + "\n";
        const Status status = importRoster(raw, options, grade, imported);
        out += status ? cp932ToUtf8(imported.bytes) + previewText(imported, 0)
                      : status.reason() + "\n";
        out += "\n";
    }
    EXPECT_TRUE(matchesGolden(out, "roster-import/forms.txt"));
}
