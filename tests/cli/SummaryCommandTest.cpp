#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "BasicData.h"
#include "CliRun.h"
#include "Commands.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "PdfText.h"
#include "ResultsFile.h"
#include "Statistics.h"
#include "TempDir.h"
#include "TestScores.h"

using namespace jitsu;

namespace {

// The demo year with the results file of test 1 of every grade, all combinations computed.
class SummaryCommand : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(runJitsuryoku({"demo", dir.path().string()}), 0);
        BasicData data;
        ASSERT_TRUE(readBasicData(basicDataPath(dir.path()), data));
        CombinationSet all;
        all.fill(true);
        for (int g = 1; g <= 3; ++g) {
            auto scores = std::make_unique<TestScores>();
            ASSERT_TRUE(readScores(scorePath(dir.path(), 2026, 1, g), data.grades[g - 1], *scores));
            auto results = std::make_unique<GradeResults>();
            computeGradeResults(data.grades[g - 1], *scores, all, *results);
            ASSERT_TRUE(writeResultsFile(resultsPath(dir.path(), 2026, 1, g), data.grades[g - 1],
                                         *results));
        }
    }

    int summary(std::vector<std::string> args, std::string* err = nullptr) {
        args.insert(args.begin(), {"-C", dir.path().string(), "summary"});
        return runJitsuryoku(args, nullptr, err);
    }

    TempDir dir;
};

}  // namespace

TEST_F(SummaryCommand, WritesTheTraceOfTheGradesJob) {
    ASSERT_EQ(summary({"--year", "2026", "--test", "1", "--grade", "2", "--trace", "g2.trace"}), 0);
    std::string trace = readBytes(dir / "g2.trace");
    EXPECT_EQ(trace.rfind("job A4 portrait\nbegin\npage 1\n", 0), 0u) << trace.substr(0, 100);
    EXPECT_NE(trace.find("text 300 150 第１回 実力テスト　１ＨＲ  成績一覧\n"), std::string::npos);
    EXPECT_NE(trace.find("text 600 250 英国数\n"), std::string::npos);
    EXPECT_NE(trace.find("text 300 200 第２学年  英語  (第１回)\n"), std::string::npos);
    EXPECT_EQ(trace.substr(trace.size() - 4), "end\n");
}

TEST_F(SummaryCommand, PrintsOnlyTheListsAskedForWithTheMagnifications) {
    ASSERT_EQ(summary({"--year", "2026", "--test", "1", "--grade", "1", "--lists", "top", "--scale",
                       "50", "--font-scale", "30", "--trace", "top.trace"}),
              0);
    std::string trace = readBytes(dir / "top.trace");
    EXPECT_EQ(trace.find("成績一覧"), std::string::npos);
    EXPECT_EQ(trace.find("学年"), std::string::npos);
    EXPECT_NE(trace.find("text 300 125 英国数\nfont 3 bold\n"),
              std::string::npos);  // 600 ÷ 2; 12 × 30 ÷ 100
}

TEST_F(SummaryCommand, WritesAPdf) {
    std::string err;
    ASSERT_EQ(summary({"--year", "2026", "--test", "1", "--grade", "3", "--lists", "class,freq",
                       "--pdf", "g3.pdf"},
                      &err),
              0)
        << err;
    const auto pdf = dir / "g3.pdf";
    // Six classes: 12 class-list pages; 5 subject and 9 combination pages of frequencies.
    EXPECT_EQ(pdfPageCount(pdf), 12 + 14);
    std::string text = pdfText(pdf);
    EXPECT_NE(text.find(pdfNormalised("第１回 実力テスト　１ＨＲ 成績一覧")), std::string::npos);
    EXPECT_NE(text.find(pdfNormalised("第３学年 英国数理 (第１回)")), std::string::npos);
    EXPECT_NE(text.find("全体"), std::string::npos);
}

TEST_F(SummaryCommand, WithoutAnOutputFileTheTraceGoesToStandardOutput) {
    std::ostringstream out, err;
    ASSERT_EQ(cli::runCli({"-C", dir.path().string(), "summary", "--year", "2026", "--test", "1",
                           "--grade", "1", "--lists", "freq"},
                          out, err),
              0);
    EXPECT_EQ(out.str().rfind("job A4 portrait\nbegin\npage 1\n", 0), 0u);
    EXPECT_NE(out.str().find("text 300 200 第１学年  英語  (第１回)\n"), std::string::npos);
}

TEST_F(SummaryCommand, MissingFilesGiveTheProgramsMessagesAndStatusOne) {
    std::string err;
    EXPECT_EQ(summary({"--year", "2026", "--test", "2", "--grade", "1", "--trace", "t"}, &err), 1);
    EXPECT_NE(err.find(text::kResultsNotRead), std::string::npos) << err;
    EXPECT_EQ(summary({"--year", "2025", "--test", "1", "--grade", "1", "--trace", "t"}, &err), 1);
    EXPECT_NE(err.find(text::kRosterMissingPrint), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(dir / "t"));
    std::filesystem::remove(basicDataPath(dir.path()));
    EXPECT_EQ(summary({"--year", "2026", "--test", "1", "--grade", "1", "--trace", "t"}, &err), 1);
    EXPECT_NE(err.find(text::kBasicDataMissing), std::string::npos) << err;
}

TEST_F(SummaryCommand, AnUnwritableOutputIsAFailure) {
    std::filesystem::create_directory(dir / "taken");
    std::string err;
    EXPECT_EQ(summary({"--year", "2026", "--test", "1", "--grade", "1", "--trace", "taken"}, &err),
              1);
    EXPECT_EQ(summary({"--year", "2026", "--test", "1", "--grade", "1", "--pdf", "no/such/dir.pdf"},
                      &err),
              1);
    EXPECT_NE(err.find(text::kPrintFailed), std::string::npos) << err;
}

TEST_F(SummaryCommand, RefusesWrongUsageWithStatusTwo) {
    const std::vector<std::string> base = {"--year", "2026", "--test", "1", "--grade", "1"};
    auto with = [&](std::vector<std::string> extra) {
        std::vector<std::string> args = base;
        args.insert(args.end(), extra.begin(), extra.end());
        return summary(args);
    };
    EXPECT_EQ(with({"--scale", "49", "--trace", "t"}), 2);
    EXPECT_EQ(with({"--scale", "201", "--trace", "t"}), 2);
    EXPECT_EQ(with({"--font-scale", "29", "--trace", "t"}), 2);
    EXPECT_EQ(with({"--font-scale", "201", "--trace", "t"}), 2);
    EXPECT_EQ(with({"--lists", "class,tops", "--trace", "t"}), 2);
    EXPECT_EQ(with({"--lists", "", "--trace", "t"}), 2);
    EXPECT_EQ(with({"--trace", "t", "--pdf", "p.pdf"}), 2);  // two outputs
    EXPECT_EQ(with({"--trace", "t", "extra"}), 2);
    EXPECT_EQ(summary({"--year", "2026", "--test", "1", "--grade", "4", "--trace", "t"}), 2);
    EXPECT_EQ(summary({"--test", "1", "--grade", "1", "--trace", "t"}), 2);
    EXPECT_EQ(with({"--scale", "50", "--font-scale", "30", "--trace", "t"}),
              0);  // the limits are allowed
    EXPECT_EQ(with({"--scale", "200", "--font-scale", "200", "--trace", "t"}), 0);
}

// The results file of grade 3 in place of grade 1's, a word for grade 1's class count: refused
// with the file and the finding, nothing written; --force prints with the warning.
TEST_F(SummaryCommand, RefusesADamagedFileUnlessForced) {
    const std::vector<std::string> args = {"--year",  "2026", "--test",  "1",
                                           "--grade", "1",    "--trace", "g1.trace"};
    const auto results1 = resultsPath(dir.path(), 2026, 1, 1);
    std::filesystem::copy_file(resultsPath(dir.path(), 2026, 1, 3), results1,
                               std::filesystem::copy_options::overwrite_existing);
    std::string err;
    EXPECT_EQ(summary(args, &err), 1);
    EXPECT_EQ(err.rfind("jitsuryoku summary: " + results1.string() +
                            ": written for another shape: 11385 values, 9487 expected",
                        0),
              0u)
        << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "g1.trace"));
    auto forced = args;
    forced.push_back("--force");
    EXPECT_EQ(summary(forced, &err), 0);
    EXPECT_NE(err.find("warning: " + results1.string()), std::string::npos) << err;
    EXPECT_TRUE(std::filesystem::exists(dir / "g1.trace"));

    const auto basic = basicDataPath(dir.path());
    std::string text = readBytes(basic);
    writeBytes(basic, text.replace(text.find("N\r\n5 "), 5, "N\r\nx "));
    EXPECT_EQ(summary(args, &err), 1);
    EXPECT_EQ(err.rfind("jitsuryoku summary: " + basic.string() + ": ", 0), 0u) << err;
}
