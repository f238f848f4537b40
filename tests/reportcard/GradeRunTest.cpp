#include <gtest/gtest.h>

#include <memory>

#include "GradeRun.h"
#include "MessageTexts.h"
#include "ReportCase.h"
#include "ReportYear.h"
#include "ResultsFile.h"
#include "Statistics.h"

using namespace jitsu;

namespace {

class GradeRun : public ReportYearTest {
protected:
    void SetUp() override {
        writeYear();
        request.grade = 1;
        request.year = 2001;
        request.test = 2;
        request.testLabel = "第２回";
        request.combinations = defaultCombinations(2);
        request.tickedClasses = {true, true, true};
    }

    Status run() { return gradeRun(data, request, services); }

    // The results file that the statistics of grade 2's test 2 with `ticked` make.
    std::string expectedResults(const CombinationSet& ticked) const {
        auto computed = std::make_unique<GradeResults>();
        computeGradeResults(data.grades[1], *scores[1][1], ticked, *computed);
        return formatResultsFile(data.grades[1], *computed);
    }

    std::vector<std::string> nameLines() const { return linesStarting(traceLines(), "text 2300 "); }

    GradeRunRequest request;
};

TEST_F(GradeRun, SavesTheWholeGradeAndPrintsTheTickedClasses) {
    request.tickedClasses = {false, true, false};
    EXPECT_TRUE(run());
    EXPECT_EQ(readBytes(results(2, 2)), expectedResults(defaultCombinations(2)));
    EXPECT_FALSE(std::filesystem::exists(results(2, 1)));
    EXPECT_FALSE(std::filesystem::exists(results(1, 2)));

    auto names = nameLines();
    ASSERT_EQ(names.size(), 7u);
    EXPECT_EQ(names.front(), "text 2300 290 ２組ＨＲ   1 番      2年生徒8");
    EXPECT_EQ(names.back(), "text 2300 290 ２組ＨＲ   7 番      2年生徒14");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(GradeRun, ComputesOnlyTheTickedCombinations) {
    request.combinations = {};
    request.combinations[Eikoku] = request.combinations[Kokusu] = true;
    ASSERT_TRUE(run());
    const std::string file = readBytes(results(2, 2));
    EXPECT_EQ(file, expectedResults(request.combinations));
    EXPECT_EQ(file.substr(file.rfind('\n')), "\n0 0 0 0 1 0 1 0 0");  // flags in order C
    auto lines = traceLines();
    EXPECT_TRUE(contains(lines, "text 1800 402 英国"));  // after the five subjects
    EXPECT_TRUE(contains(lines, "text 2060 402 国数"));
    EXPECT_TRUE(linesStarting(lines, "text 2320 402 ").empty());
}

// Tests of the error paths.

TEST_F(GradeRun, AMissingRosterEndsTheRunBeforeTheScoresAreRead) {
    std::filesystem::remove(rosterPath(dir.path(), "N", 2001, 2));
    std::filesystem::remove(scorePath(dir.path(), 2001, 2, 2));
    EXPECT_FALSE(run());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::kRosterMissingPrint);
    EXPECT_FALSE(std::filesystem::exists(results(2, 2)));
    EXPECT_EQ(trace.str(), "");
}

TEST_F(GradeRun, AMissingScoreFileIsAnErrorNotAnEmptyTest) {
    request.test = 3;  // the year holds the score files of tests 1 and 2 only
    request.testLabel = "第３回";
    const Status status = run();
    EXPECT_FALSE(status);
    EXPECT_NE(status.reason().find("JT01_3_2.txt"), std::string::npos) << status.reason();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::kScoresMissingPrint);
    EXPECT_FALSE(std::filesystem::exists(results(3, 2)));
    EXPECT_EQ(trace.str(), "");
}

TEST_F(GradeRun, AResultsFileThatCannotBeWrittenIsAnnouncedAndTheReportsStillPrint) {
    std::filesystem::create_directory(results(2, 2));  // where the file should go
    EXPECT_FALSE(run());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "データの保存に失敗しました。担当者に連絡してください。");
    EXPECT_TRUE(std::filesystem::is_directory(results(2, 2)));
    EXPECT_EQ(nameLines().size(), 21u);
}

TEST_F(GradeRun, WithTheSaveBoxClearedTheResultsFileIsUntouched) {
    writeBytes(results(2, 2), "earlier run");
    request.save = false;
    EXPECT_TRUE(run());
    EXPECT_EQ(readBytes(results(2, 2)), "earlier run");
    EXPECT_EQ(nameLines().size(), 21u);
}

TEST_F(GradeRun, WithThePrintBoxClearedItSavesAndPrintsNothing) {
    request.print = false;
    EXPECT_TRUE(run());
    EXPECT_EQ(readBytes(results(2, 2)), expectedResults(defaultCombinations(2)));
    EXPECT_EQ(printer.dialogsShown(), 0);
    EXPECT_EQ(trace.str(), "job A4 portrait\n");
}

TEST_F(GradeRun, APrinterThatCannotPrintIsAnnouncedAfterTheResultsAreSaved) {
    printer.failDocuments = true;
    EXPECT_FALSE(run());
    EXPECT_TRUE(std::filesystem::exists(results(2, 2)));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::kPrintFailed);
}

}  // namespace
