// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>

#include "BasicData.h"
#include "Catalogue.h"
#include "Cp932.h"
#include "Golden.h"
#include "Paths.h"
#include "RunCli.h"
#include "TempDir.h"
#include "TestScores.h"
#include "TestYear.h"
#include "YearCheck.h"

using namespace jitsu;
using namespace jitsu::yearfiles;
namespace fs = std::filesystem;

// A year where every kind of drift happened once, each in its own file: a head count against its
// roster, a roster in UTF-8, one with a broken character, a long name and LF line ends, the head
// counts of a grade beyond the roster, a student number that is none and a class out of order, a
// score above full marks, a negative one, one for a subject the test does not give, a score and a
// results file cut short, results older than their scores, a settings line that is none.
TEST(YearCheck, FindsEachKindOfDrift) {
    TestYear year{DemoYearSize{}};
    const TempDir& dir = year.dir;
    for (const auto& [test, grade] : {std::pair{"1", "3"}, std::pair{"2", "2"}}) {
        ASSERT_EQ(runJitsuryoku(dir.path(),
                                {"results", "--year", "2026", "--test", test, "--grade", grade}),
                  0);
    }

    BasicDataTexts texts = textsOf(year.data);
    texts.grades[2].headCounts[0] = "47";
    texts.grades[0].fullMarks[4][1].clear();  // 社会 no longer given in test 2 of grade 1
    ASSERT_TRUE(writeBasicData(basicDataPath(dir.path()), texts));

    writeBytes(dir / "N261.csv", cp932ToUtf8(readBytes(dir / "N261.csv")));
    std::string roster2 = readBytes(dir / "N262.csv");
    std::erase(roster2, '\r');
    const std::size_t line2 = roster2.find('\n') + 1, line3 = roster2.find('\n', line2) + 1;
    roster2.replace(line3, roster2.find('\n', line3) - line3, "20103,\x82");
    roster2.insert(roster2.find('\n', line2), toCp932("あいうえおかきくけこ"));
    writeBytes(dir / "N262.csv", roster2);
    // Grade 3: a number that is none on line 2, and class 1 out of order from line 4.
    std::string roster3 = readBytes(dir / "N263.csv");
    roster3.replace(roster3.find("30102,"), 5, "3O102");
    roster3.replace(roster3.find("30104,"), 5, "30101");
    writeBytes(dir / "N263.csv", roster3);

    auto scores = std::make_unique<TestScores>();
    ASSERT_TRUE(readScores(dir / "JT26_1_1.txt", year.data.grades[0], *scores));
    scores->scores[0][0][0] = 101;
    scores->scores[1][0][1] = -5;
    ASSERT_TRUE(writeScores(dir / "JT26_1_1.txt", year.data.grades[0], *scores));
    fs::resize_file(dir / "JT26_1_2.txt", 500);
    fs::resize_file(dir / "JK26_2_2.txt", 500);
    fs::last_write_time(dir / "JT26_1_3.txt",
                        fs::last_write_time(dir / "JK26_1_3.txt") + std::chrono::seconds(10));
    writeBytes(dir / "jitsuryoku-settings.txt", "era=wareki\r\nera=reiwa\r\n");

    // The same findings in English and, as the launcher shows them, in Japanese.
    for (const bool japanese : {false, true}) {
        if (japanese) {
            ASSERT_TRUE(speakJapanese());
        }
        std::vector<std::string> lines;
        for (const Finding& f : checkYear(dir.path()))
            lines.push_back(f.code + " " + findingLine(f, true) + "\n");
        speakEnglish();
        std::sort(lines.begin(), lines.end());
        EXPECT_TRUE(
            matchesGolden(std::accumulate(lines.begin(), lines.end(), std::string()),
                          japanese ? "year-check/findings-ja.txt" : "year-check/findings.txt"));
    }

    std::string json;
    EXPECT_EQ(runJitsuryoku(dir.path(), {"check", "--json"}, &json), 1);
    EXPECT_TRUE(json.starts_with("[\n {\"severity\": \"error\"")) << json;
}

// Every text of a finding is valid UTF-8 JSON: quotes, backslashes and control characters
// escaped the JSON way, bytes that are not UTF-8 (a folder named in CP932, a cut sequence)
// written as the text \xHH.
TEST(YearCheck, JsonEscapesWhatIsNotUtf8) {
    if (std::filesystem::path::preferred_separator != '/')
        GTEST_SKIP() << "a file name of bytes that are not UTF-8 exists on POSIX only";
    const std::vector<Finding> findings = {
        {Finding::Severity::Warning, "roster.lf-line-ends", "/data/\x8e\xc0\x97\xcd/N261.csv", 3,
         Reason::verbatim("a \"quoted\" \\ and\ttab"), Reason::verbatim("年度 \xe5\x9b"), ""},
    };
    EXPECT_EQ(findingsJson(findings),
              "[\n {\"severity\": \"warning\", \"code\": \"roster.lf-line-ends\", "
              "\"file\": \"/data/\\\\x8e\\\\xc0\\\\x97\\\\xcd/N261.csv\", \"line\": 3, "
              "\"what\": \"a \\\"quoted\\\" \\\\ and\\u0009tab\", "
              "\"todo\": \"年度 \\\\xe5\\\\x9b\"}\n]\n");
    EXPECT_EQ(findingsJson({}), "[]\n");
}

// Head counts that add up to more than a roster's 450 names: the check says from which student
// on the names are missing, whatever the roster holds.
TEST(YearCheck, HeadCountsPastTheRosterAreAnError) {
    TestYear year{DemoYearSize{}};
    BasicDataTexts texts = textsOf(year.data);
    for (std::string& heads : texts.grades[1].headCounts) heads = "45";
    texts.grades[1].headCounts.resize(4, "45");
    texts.grades[1].classNames.resize(4, "4");
    texts.grades[1].classCount = 4;
    texts.grades[1].headCounts[3] = "400";
    ASSERT_TRUE(writeBasicData(basicDataPath(year.dir.path()), texts));
    std::vector<std::string> lines;
    for (const Finding& f : checkYear(year.dir.path()))
        if (f.what.text().find("a roster names") != std::string::npos)
            lines.push_back(findingLine(f, true));
    EXPECT_EQ(lines, std::vector<std::string>{
                         "error: N262.csv: the head counts of grade 2 add up to 535, a roster "
                         "names 450: from class 4 No. 316 on, students print without names; keep "
                         "the grade within 450 students in 基礎データ"});
}
