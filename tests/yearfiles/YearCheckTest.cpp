#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <sstream>

#include "BasicData.h"
#include "Commands.h"
#include "Cp932.h"
#include "Golden.h"
#include "Paths.h"
#include "TempDir.h"
#include "TestScores.h"
#include "TestYear.h"
#include "YearCheck.h"

using namespace jitsu;
using namespace jitsu::yearfiles;
namespace fs = std::filesystem;

static int jitsuryoku(const fs::path& dir, std::vector<std::string> words,
                      std::string* out = nullptr) {
    words.insert(words.begin(), {"-C", dir.string()});
    std::ostringstream o, e;
    const int status = cli::runCli(words, o, e);
    if (out) *out = o.str();
    return status;
}

// A year where every kind of drift happened once, each in its own file: a head count against its
// roster, a roster in UTF-8, one with a broken character, a long name and LF line ends, the head
// counts of a grade beyond the roster, a student number that is none and a class out of order, a
// score above full marks, a negative one, one for a subject the test does not give, a score and a
// results file cut short, results older than their scores.
TEST(YearCheck, FindsEachKindOfDrift) {
    TestYear year{DemoYearSize{}};
    const TempDir& dir = year.dir;
    for (const auto& [test, grade] : {std::pair{"1", "3"}, std::pair{"2", "2"}}) {
        ASSERT_EQ(
            jitsuryoku(dir.path(), {"results", "--year", "2026", "--test", test, "--grade", grade}),
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

    std::vector<std::string> lines;
    for (const Finding& f : checkYear(dir.path())) lines.push_back(findingLine(f, true) + "\n");
    std::sort(lines.begin(), lines.end());
    EXPECT_TRUE(matchesGolden(std::accumulate(lines.begin(), lines.end(), std::string()),
                              "year-check/findings.txt"));

    std::string json;
    EXPECT_EQ(jitsuryoku(dir.path(), {"check", "--json"}, &json), 1);
    EXPECT_EQ(json.starts_with("[\n {\"severity\": \"error\", \"file\": \""), true);
}
