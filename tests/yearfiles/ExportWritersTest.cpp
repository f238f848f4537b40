// SPDX-License-Identifier: GPL-3.0-or-later
// The export's two writers: what leaves for a spreadsheet stays text, and both formats go
// through the suite's one atomic writer.
#include <gtest/gtest.h>

#include <set>

#include "FileVersions.h"
#include "ResultsExport.h"
#include "SaveLock.h"
#include "TempDir.h"

using namespace jitsu;
using namespace jitsu::yearfiles;

namespace {

ExportTable oneText(const std::string& text) {
    ExportTable table;
    table.header = {"氏名"};
    table.rows = {{ExportCell{ExportCell::Kind::Text, text, 0}}};
    return table;
}

}  // namespace

// A text a spreadsheet would evaluate gets an apostrophe before it; numbers and other texts are
// written as they are.
TEST(ExportCsv, KeepsFormulaLikeTextsText) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"=1+1", "'=1+1"},          {"+81", "'+81"}, {"-x", "'-x"},
        {"@SUM(A1)", "'@SUM(A1)"},  {"\tT", "'\tT"}, {"\rR", "\"'\rR\""},
        {"山田=太郎", "山田=太郎"}, {"", ""},
    };
    for (const auto& [text, cell] : cases)
        EXPECT_EQ(formatCsv(oneText(text), false), "\xEF\xBB\xBF氏名\r\n" + cell + "\r\n") << text;
    ExportTable number = oneText("");
    number.rows[0][0] = ExportCell{ExportCell::Kind::Integer, "", -1};
    EXPECT_EQ(formatCsv(number, false), "\xEF\xBB\xBF氏名\r\n-1\r\n");
}

// The workbook goes through the suite's atomic writer (whose refusals are tested where it
// lives): the old file's mode kept, and no temporary file left beside it.
TEST(ExportXlsx, GoesThroughTheAtomicWriter) {
    TempDir dir;
    const auto file = dir / "JK26_2_1.xlsx";
    writeBytes(file, "old");
    std::filesystem::permissions(file, std::filesystem::perms(0640));
    ASSERT_TRUE(writeXlsx(file, oneText("=1+1")));
    EXPECT_EQ(readBytes(file).substr(0, 2), "PK");
    if (std::filesystem::path::preferred_separator == '/') {  // Windows has no modes to keep
        EXPECT_EQ(std::filesystem::status(file).permissions(), std::filesystem::perms(0640));
    }
    // The workbook; besides it only the folder's lock and earlier versions.
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.insert(entry.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"JK26_2_1.xlsx", kLockFileName,
                                            std::string(kVersionsFolder)}));
}
