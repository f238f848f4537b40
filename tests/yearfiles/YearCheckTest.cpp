#include <gtest/gtest.h>

#include <memory>

#include "BasicData.h"
#include "CliRun.h"
#include "Cp932.h"
#include "Paths.h"
#include "TempDir.h"
#include "TestScores.h"
#include "YearCheck.h"

using namespace jitsu;
using namespace jitsu::yearfiles;
namespace fs = std::filesystem;

namespace {

using Severity = Finding::Severity;

std::unique_ptr<BasicData> demoYear(const TempDir& dir) {
    EXPECT_EQ(runJitsuryoku({"-C", dir.path().string(), "demo", "."}), 0);
    auto data = std::make_unique<BasicData>();
    EXPECT_TRUE(readBasicData(basicDataPath(dir.path()), *data));
    return data;
}

void results(const TempDir& dir, const char* test, const char* grade) {
    ASSERT_EQ(runJitsuryoku({"-C", dir.path().string(), "results", "--year", "2026", "--test", test,
                             "--grade", grade}),
              0);
}

struct Expected {
    Severity severity;
    const char* file;
    std::size_t line;
    const char* what;  // a part of the finding's text
};

}  // namespace

TEST(YearCheck, FindsNothingInTheDemoYear) {
    TempDir dir;
    demoYear(dir);
    results(dir, "2", "1");
    std::string out;
    EXPECT_EQ(runJitsuryoku({"-C", dir.path().string(), "check"}, &out), 0);
    EXPECT_EQ(out, "");
}

// A year where every kind of drift happened once, each in its own file.
TEST(YearCheck, FindsEachKindOfDrift) {
    TempDir dir;
    auto data = demoYear(dir);
    results(dir, "1", "3");
    results(dir, "2", "2");

    BasicDataTexts texts = textsOf(*data);
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

    auto scores = std::make_unique<TestScores>();
    ASSERT_TRUE(readScores(dir / "JT26_1_1.txt", data->grades[0], *scores));
    scores->scores[0][0][0] = 101;
    scores->scores[1][0][1] = -5;
    ASSERT_TRUE(writeScores(dir / "JT26_1_1.txt", data->grades[0], *scores));
    fs::resize_file(dir / "JT26_1_2.txt", 500);
    fs::resize_file(dir / "JK26_2_2.txt", 500);
    fs::last_write_time(dir / "JT26_1_3.txt",
                        fs::last_write_time(dir / "JK26_1_3.txt") + std::chrono::seconds(10));

    const Expected expected[] = {
        {Severity::Error, "wqnmkiso.txt", 0, "三年　人数（1列目）"},
        {Severity::Error, "N261.csv", 0, "the file is UTF-8"},
        {Severity::Error, "N262.csv", 3, "bytes that are not CP932"},
        {Severity::Warning, "N262.csv", 2, "name of 30 bytes, the record holds 29"},
        {Severity::Warning, "N262.csv", 0, "line(s) end in LF only"},
        {Severity::Error, "N263.csv", 0, "the head counts of grade 3 add up to"},
        {Severity::Error, "JT26_1_1.txt", 1, "score 101 above full marks 100"},
        {Severity::Error, "JT26_1_1.txt", 2, "negative value -5"},
        {Severity::Warning, "JT26_2_1.txt", 1, "for subject 5 (社会), which test 2 does not give"},
        {Severity::Error, "JT26_1_2.txt", 0, "values, the basic data asks for 900"},
        {Severity::Error, "JK26_2_2.txt", 0, "values, the basic data asks for"},
        {Severity::Warning, "JK26_1_3.txt", 0, "out of date: JT26_1_3.txt was saved after it"},
    };
    const auto findings = checkYear(dir.path());
    std::string all;
    for (const Finding& f : findings) all += findingLine(f) + "\n";
    for (const Expected& e : expected) {
        const bool found = std::any_of(findings.begin(), findings.end(), [&](const Finding& f) {
            return f.severity == e.severity && f.file.filename() == e.file && f.line == e.line &&
                   f.what.find(e.what) != std::string::npos;
        });
        EXPECT_TRUE(found) << e.file << ":" << e.line << " " << e.what << "\nfound:\n" << all;
    }
    EXPECT_EQ(findings.size(), std::size(expected)) << all;

    std::string json;
    EXPECT_EQ(runJitsuryoku({"-C", dir.path().string(), "check", "--json"}, &json), 1);
    EXPECT_EQ(json.starts_with("[\n {\"severity\": \"error\", \"file\": \""), true);
}
