#include <gtest/gtest.h>

#include <sstream>

#include "BasicData.h"
#include "Commands.h"
#include "DemoYear.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "PdfText.h"
#include "TempDir.h"

using namespace jitsu;

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

// A demo year (year 2026, five tests, score files of tests 1 and 2) to print from.
class ReportsCommand : public testing::Test {
protected:
    void SetUp() override {
        std::vector<std::string> written;
        ASSERT_TRUE(writeDemoYear(dir.path(), false, written));
    }

    Outcome run(std::vector<std::string> words) {
        words.insert(words.begin(),
                     {"-C", dir.path().string(), "reports", "--year", "2026", "--grade", "1"});
        std::ostringstream out, err;
        int status = cli::runCli(words, out, err);
        return {status, out.str(), err.str()};
    }

    std::vector<std::string> traceLines() {
        std::istringstream in(readBytes(dir / "t.txt"));
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    int count(const std::vector<std::string>& lines, const std::string& prefix) {
        return static_cast<int>(
            std::count_if(lines.begin(), lines.end(),
                          [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
    }

    TempDir dir;
};

TEST_F(ReportsCommand, WritesTheTraceOfTheListedClassesAndNoResultsFile) {
    Outcome o = run({"--test", "2", "--classes", "2,1", "--trace", "t.txt"});
    ASSERT_EQ(o.status, 0) << o.err;
    auto lines = traceLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "job A4 portrait");
    EXPECT_EQ(lines[1], "begin");
    EXPECT_EQ(lines.back(), "end");
    BasicData basic;
    ASSERT_TRUE(readBasicData(basicDataPath(dir.path()), basic));
    const GradeData& grade = basic.grades[0];
    const int pages =
        static_cast<int>((grade.headCounts[0] + 5) / 6 + (grade.headCounts[1] + 5) / 6);
    EXPECT_EQ(count(lines, "page "), pages);
    EXPECT_EQ(count(lines, "text 280 278 第２回実力テスト　個人成績票"), pages);
    // after test 1, the default combinations are 英国数, ５教科, 英数理 and 英国社
    EXPECT_EQ(count(lines, "text 1800 402 英国数"), pages);
    EXPECT_EQ(count(lines, "text 2580 402 英国社"), pages);
    EXPECT_EQ(count(lines, "text 2840 402 "), 0);
    EXPECT_FALSE(std::filesystem::exists(resultsPath(dir.path(), 2026, 2, 1)));
    EXPECT_NE(o.out.find("t.txt"), std::string::npos);
}

TEST_F(ReportsCommand, TakesCombinationsMagnificationsCopiesAndPages) {
    Outcome o = run({"--test", "1", "--combos", "英国,eisu", "--scale", "80", "--font-scale", "50",
                     "--copies", "2", "--pages", "2-3", "--trace", "t.txt"});
    ASSERT_EQ(o.status, 0) << o.err;
    auto lines = traceLines();
    EXPECT_EQ(count(lines, "page "), 4);
    EXPECT_EQ(count(lines, "text 224 222 第１回実力テスト　個人成績票"), 4);
    EXPECT_EQ(count(lines, "font 6 bold"), 4);
    EXPECT_EQ(count(lines, "text 1440 321 英国"), 4);  // (500 + 260 × 5) × 0.8, 402 × 0.8
    EXPECT_EQ(count(lines, "text 1648 321 英数"), 4);
    EXPECT_EQ(count(lines, "text 1440 321 英国数"), 0);
}

TEST_F(ReportsCommand, WritesAPdfWithOneA4PagePerSheet) {
    Outcome o = run({"--test", "2", "--classes", "1", "--pdf", "r.pdf", "--trace", "t.txt"});
    ASSERT_EQ(o.status, 0) << o.err;
    const int sheets = count(traceLines(), "page ");
    EXPECT_GE(sheets, 5);
    EXPECT_EQ(pdfPageCount(dir / "r.pdf"), sheets);
    EXPECT_NE(commandOutput("pdfinfo '" + (dir / "r.pdf").string() + "'").find("(A4)"),
              std::string::npos);
    EXPECT_NE(pdfText(dir / "r.pdf").find(pdfNormalised("第２回実力テスト　個人成績票")),
              std::string::npos);
}

TEST_F(ReportsCommand, MissingFilesGiveTheSuitesMessagesAndStatusOne) {
    std::filesystem::remove(rosterPath(dir.path(), "N", 2026, 1));
    Outcome roster = run({"--test", "1", "--trace", "t.txt"});
    EXPECT_EQ(roster.status, 1);
    EXPECT_EQ(roster.err.rfind(text::kRosterMissingPrint, 0), 0u) << roster.err;

    Outcome scores = run({"--grade", "2", "--test", "3", "--trace", "t.txt"});  // tests 1, 2 only
    EXPECT_EQ(scores.status, 1);
    EXPECT_EQ(scores.err.rfind(text::kScoresMissingPrint, 0), 0u) << scores.err;

    // the roster is the chosen year's, not the basic data file's
    Outcome year = run({"--year", "2025", "--test", "1", "--trace", "t.txt"});
    EXPECT_EQ(year.status, 1);
    EXPECT_EQ(year.err.rfind(text::kRosterMissingPrint, 0), 0u) << year.err;
    EXPECT_NE(year.err.find("N251.csv"), std::string::npos) << year.err;

    std::filesystem::remove(basicDataPath(dir.path()));
    Outcome basic = run({"--test", "1", "--trace", "t.txt"});
    EXPECT_EQ(basic.status, 1);
    EXPECT_EQ(basic.err.rfind(text::kBasicDataMissing, 0), 0u) << basic.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "t.txt"));
}

// Pages past the last report, or a roster in UTF-8: status 1, one line, no PDF.
TEST_F(ReportsCommand, NothingToPrintOrADamagedRosterWritesNoPdf) {
    Outcome none = run({"--test", "1", "--pages", "900-999", "--pdf", "r.pdf"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err.rfind("jitsuryoku reports: nothing to print", 0), 0u) << none.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "r.pdf"));

    writeBytes(rosterPath(dir.path(), "N", 2026, 1), "10101,\xE6\x9D\xBE\xE6\x9C\xAC\r\n");
    Outcome utf8 = run({"--test", "1", "--pdf", "r.pdf"});
    EXPECT_EQ(utf8.status, 1);
    EXPECT_EQ(utf8.err, "jitsuryoku reports: " + rosterPath(dir.path(), "N", 2026, 1).string() +
                            ": the text is UTF-8, not CP932\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "r.pdf"));
}

TEST_F(ReportsCommand, AnUnwritableOutputIsADataError) {
    std::filesystem::create_directory(dir / "t.txt");  // a directory where the file should go
    EXPECT_EQ(run({"--test", "1", "--trace", "t.txt"}).status, 1);
    EXPECT_EQ(run({"--test", "1", "--pdf", "no-such-dir/r.pdf"}).status, 1);
}

class ReportsCommandUsage : public ReportsCommand,
                            public testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(ReportsCommandUsage, IsRefusedWithStatusTwo) {
    std::vector<std::string> words = {"--test", "1", "--trace", "t.txt"};
    words.insert(words.end(), GetParam().begin(), GetParam().end());
    Outcome o = run(words);
    EXPECT_EQ(o.status, 2) << o.err;
    EXPECT_FALSE(o.err.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "t.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Options, ReportsCommandUsage,
    testing::Values(
        std::vector<std::string>{"--scale", "79"}, std::vector<std::string>{"--scale", "201"},
        std::vector<std::string>{"--scale", "90.5"}, std::vector<std::string>{"--scale", "abc"},
        std::vector<std::string>{"--font-scale", "49"},
        std::vector<std::string>{"--font-scale", "201"},
        std::vector<std::string>{"--font-scale", "1e2"}, std::vector<std::string>{"--copies", "0"},
        std::vector<std::string>{"--copies", "11"}, std::vector<std::string>{"--pages", "3-2"},
        std::vector<std::string>{"--pages", "0-1"}, std::vector<std::string>{"--pages", "1-1000"},
        std::vector<std::string>{"--pages", "5"}, std::vector<std::string>{"--classes", "0"},
        std::vector<std::string>{"--classes", "1,,2"}, std::vector<std::string>{"--classes", "1,"},
        std::vector<std::string>{"--classes", "99"},
        std::vector<std::string>{"--combos", "英国数,xyz"},
        std::vector<std::string>{"--test", "6"},  // the demo grade holds five tests
        std::vector<std::string>{"--bogus", "1"}, std::vector<std::string>{"extra"}));

TEST_F(ReportsCommand, NeedsAnOutputAndTheRequiredOptions) {
    EXPECT_EQ(run({"--test", "1"}).status, 2);
    std::ostringstream out, err;
    EXPECT_EQ(cli::runCli({"-C", dir.path().string(), "reports", "--grade", "1", "--test", "1",
                           "--trace", "t.txt"},
                          out, err),
              2);  // no --year
}

}  // namespace
