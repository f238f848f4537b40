#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "Clock.h"
#include "Commands.h"
#include "Deadline.h"
#include "DemoYear.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "PdfText.h"
#include "TempDir.h"

using namespace jitsu;

namespace {

// Test 2 of grade 1 of the demo year, with `extra` arguments.
std::vector<std::string> withBase(std::vector<std::string> extra) {
    std::vector<std::string> args = {"--year", "2026", "--test", "2", "--grade", "1"};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

// The demo year (2026; grade 1 has 5 classes, tests 1 and 2 have scores) in a temporary directory.
class ChecklistsCommand : public ::testing::Test {
protected:
    ChecklistsCommand() {
        std::vector<std::string> written;
        EXPECT_TRUE(writeDemoYear(dir.path(), false, written));
    }

    int run(std::vector<std::string> args) {
        args.insert(args.begin(), {"-C", dir.path().string(), "checklists"});
        std::ostringstream o, e;
        int status = cli::runCli(args, o, e);
        out = o.str();
        err = e.str();
        return status;
    }

    static int count(const std::string& text, const std::string& what) {
        int n = 0;
        for (auto pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1))
            ++n;
        return n;
    }

    TempDir dir;
    std::string out, err;
};

TEST_F(ChecklistsCommand, WritesTheTraceOfTheChosenClasses) {
    ASSERT_EQ(run(withBase({"--classes", "2,4", "--deadline", "3/17", "--place", "職員室",
                            "--trace", "t.txt"})),
              0)
        << err;
    EXPECT_EQ(out, "wrote " + (dir / "t.txt").string() + ": 4 pages\n");
    const std::string trace = readBytes(dir / "t.txt");
    EXPECT_EQ(trace.rfind("job B4 portrait\nbegin\npage 1\n", 0), 0u);
    EXPECT_EQ(count(trace, "\npage "), 4);
    EXPECT_EQ(count(trace, "   1 年   クラス：２    チェック用リスト\n"), 2);
    EXPECT_EQ(count(trace, "   1 年   クラス：４    チェック用リスト\n"), 2);
    EXPECT_NE(trace.find("text 200 200 桜ヶ丘中学校    2,026年度    第２回 実力テスト   1 年"),
              std::string::npos);
    EXPECT_NE(
        trace.find(
            "text 400 500 修正があればもう１部の方に赤で記入し、職員室 まで提出してください。\n"),
        std::string::npos);
    EXPECT_NE(
        trace.find("text 400 600 修正がない場合は、その旨ご連絡ください。期限は 3月 17日です。\n"),
        std::string::npos);
    EXPECT_NE(trace.find("text 300 800 10201\n"), std::string::npos);
}

TEST_F(ChecklistsCommand, WithoutAnOutputFileTheTraceGoesToStandardOutput) {
    ASSERT_EQ(run(withBase({"--classes", "1", "--scale", "80"})), 0) << err;
    EXPECT_EQ(count(out, "\npage "), 2);
    EXPECT_NE(out.find("font 11 bold\ntext 160 160 "), std::string::npos);
    EXPECT_NE(out.find("text 240 640 10101\n"), std::string::npos);
    EXPECT_NE(out.find("text 320 400 修正があればもう１部の方に赤で記入し、提出してください。\n"),
              std::string::npos);
    const Deadline today = deadlineFor(SystemClock().today());
    EXPECT_NE(out.find("期限は " + std::to_string(today.month) + "月 " + std::to_string(today.day) +
                       "日です。"),
              std::string::npos);
}

TEST_F(ChecklistsCommand, WritesAB4PdfWithTwoPagesPerClass) {
    ASSERT_EQ(run(withBase({"--pdf", "lists.pdf"})), 0) << err;
    const auto pdf = dir / "lists.pdf";
    EXPECT_EQ(pdfPageCount(pdf), 10);
    EXPECT_NE(commandOutput("pdfinfo '" + pdf.string() + "'").find("729 x 1032 pts"),
              std::string::npos);
    EXPECT_NE(pdfText(pdf).find("チェック用リスト"), std::string::npos);
}

TEST_F(ChecklistsCommand, MissingFilesAreReportedWithExitStatus1) {
    EXPECT_EQ(run(withBase({})), 0);
    std::filesystem::remove(scorePath(dir.path(), 2026, 2, 1));
    EXPECT_EQ(run(withBase({})), 1);
    EXPECT_NE(err.find(text::kScoresMissingPrint), std::string::npos);
    EXPECT_EQ(out, "");
    std::filesystem::remove(rosterPath(dir.path(), "N", 2026, 1));
    EXPECT_EQ(run(withBase({})), 1);
    EXPECT_NE(err.find(text::kRosterMissingPrint), std::string::npos);
    std::filesystem::remove(basicDataPath(dir.path()));
    EXPECT_EQ(run(withBase({})), 1);
    EXPECT_NE(err.find(text::kBasicDataMissing), std::string::npos);
}

TEST_F(ChecklistsCommand, PagesThatDoNotFitArePrintedWithAWarningNamingTheScaleThatFits) {
    ASSERT_EQ(run(withBase({"--scale", "200", "--classes", "1", "--trace", "t.txt"})), 0) << err;
    EXPECT_EQ(err.find(text::kPageTooLarge), 0u) << err;
    EXPECT_NE(err.find("% 以下にすると収まります"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_EQ(out, "wrote " + (dir / "t.txt").string() + ": 2 pages\n");
}

TEST_F(ChecklistsCommand, AnUnknownPrinterQueueIsRefusedInOneLineBeforeAnythingIsPrinted) {
    EXPECT_EQ(run(withBase({"--printer", "no-such-queue"})), 1);
    EXPECT_EQ(err.find("jitsuryoku checklists: printer 'no-such-queue': "), 0u) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_EQ(out, "");
}

TEST_F(ChecklistsCommand, AnUnwritableTraceFileIsAFailure) {
    std::filesystem::create_directory(dir / "t.txt");  // a directory where the file should go
    EXPECT_EQ(run(withBase({"--trace", "t.txt"})), 1);
    EXPECT_NE(err.find("t.txt"), std::string::npos);
}

class ChecklistsUsage : public ChecklistsCommand,
                        public ::testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(ChecklistsUsage, IsRefusedWithExitStatus2) {
    EXPECT_EQ(run(GetParam()), 2) << out;
    EXPECT_NE(err.find("jitsuryoku checklists: "), std::string::npos);
    EXPECT_EQ(out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ChecklistsUsage,
    ::testing::Values(std::vector<std::string>{"--test", "1", "--grade", "1"},
                      std::vector<std::string>{"--year", "2026", "--grade", "1"},
                      std::vector<std::string>{"--year", "2026", "--test", "1"},
                      std::vector<std::string>{"--year", "2026", "--test", "1", "--grade", "4"},
                      std::vector<std::string>{"--year", "1999", "--test", "1", "--grade", "1"},
                      withBase({"--scale", "79"}), withBase({"--scale", "201"}),
                      withBase({"--scale", "90.5"}), withBase({"--deadline", "13/1"}),
                      withBase({"--deadline", "3/0"}), withBase({"--deadline", "3-17"}),
                      withBase({"--classes", "0"}),
                      withBase({"--classes", "6"}),  // grade 1 has 5 classes
                      withBase({"--classes", "1,x"}), withBase({"--classes", ""}),
                      withBase({"--pdf", "a.pdf", "--trace", "a.txt"}),
                      withBase({"--pdf", "a.pdf", "--printer", "default"}),
                      withBase({"--bogus", "1"}), withBase({"extra"}),
                      std::vector<std::string>{"--year", "2026", "--test", "6", "--grade",
                                               "1"}));  // 5 tests

}  // namespace
