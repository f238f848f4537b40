#include <gtest/gtest.h>

#include "MessageTexts.h"
#include "SummaryRun.h"
#include "YearFixture.h"

using namespace jitsu;
using namespace jitsu::summaryprint;

namespace {

SummaryRequest allGrades(int test = 1) {
    SummaryRequest request;
    request.year = 2001;
    request.test = test;
    request.grades = {true, true, true};
    return request;
}

}  // namespace

TEST(SummaryRun, PrintsEveryTickedGradeAsOneJobAfterItsOwnDialog) {
    YearFixture y;
    for (int g = 1; g <= 3; ++g) y.writeGrade(g, 1);
    SummaryOutcome outcome = runSummary(y.services, y.data, allGrades());
    EXPECT_EQ(outcome.end, SummaryEnd::Completed);
    EXPECT_EQ(outcome.gradesPrinted, 3);
    EXPECT_EQ(y.printer.dialogsShown(), 3);
    EXPECT_EQ(y.count("begin"), 3);
    EXPECT_TRUE(y.messages.shown.empty());
    Trace t = y.trace();
    // 1103 and 1203 share rank 1 (score 72), the top quarter of 6 students in every list.
    EXPECT_EQ(t.count("1101"), 1);
    EXPECT_EQ(t.count("1103"), 4);
    EXPECT_FALSE(t.find("第３学年  英語  (第１回)").empty());
}

TEST(SummaryRun, PrintsTheTickedListsInOrderClassTopFrequency) {
    YearFixture y;
    y.writeGrade(1, 1);
    SummaryRequest request = allGrades();
    request.grades = {true, false, false};
    runSummary(y.services, y.data, request);
    Trace t = y.trace();
    // Class lists: 2 classes × 2 pages; top scorers: 英国, 英語, 国語 → 2 pages; frequencies: 3.
    EXPECT_EQ(t.pages, 9);
    EXPECT_EQ(t.find("第１回 実力テスト　2ＨＲ  成績一覧")[0].page, 3);
    EXPECT_EQ(t.find("受験者：6人")[0].page, 5);
    EXPECT_EQ(t.find("第１学年  英語  (第１回)")[0].page, 7);
    EXPECT_EQ(t.find("第１学年  英国  (第１回)")[0].page, 9);
}

TEST(SummaryRun, ACancelledDialogSkipsOnlyItsGrade) {
    YearFixture y;
    for (int g = 1; g <= 3; ++g) y.writeGrade(g, 1);
    y.printer.answers = {false, true, false};
    SummaryOutcome outcome = runSummary(y.services, y.data, allGrades());
    EXPECT_EQ(outcome.end, SummaryEnd::Completed);
    EXPECT_EQ(outcome.gradesPrinted, 1);
    EXPECT_EQ(y.printer.dialogsShown(), 3);
    EXPECT_TRUE(y.trace().find("1101").empty());
    EXPECT_FALSE(y.trace().find("2101").empty());
}

TEST(SummaryRun, AMissingRosterEndsTheRunBeforeAnyDialog) {
    YearFixture y;
    y.writeResults(1, 1);
    for (int g = 2; g <= 3; ++g) y.writeGrade(g, 1);
    SummaryOutcome outcome = runSummary(y.services, y.data, allGrades());
    EXPECT_EQ(outcome.end, SummaryEnd::RosterMissing);
    ASSERT_EQ(y.messages.shown.size(), 1u);
    EXPECT_EQ(y.messages.shown[0].text, text::kRosterMissingPrint);
    EXPECT_EQ(y.messages.beeps, 1);
    EXPECT_EQ(y.printer.dialogsShown(), 0);
    EXPECT_EQ(y.out.str(), "");
}

TEST(SummaryRun, AMissingResultsFileEndsTheRunAfterTheGradesBefore) {
    YearFixture y;
    for (int g = 1; g <= 2; ++g) y.writeGrade(g, 1);
    y.writeRoster(3);
    SummaryOutcome outcome = runSummary(y.services, y.data, allGrades());
    EXPECT_EQ(outcome.end, SummaryEnd::ResultsMissing);
    EXPECT_EQ(outcome.gradesPrinted, 2);
    EXPECT_EQ(y.printer.dialogsShown(), 2);
    EXPECT_EQ(y.count("end"), 2);
    ASSERT_EQ(y.messages.shown.size(), 1u);
    EXPECT_EQ(y.messages.shown[0].text, text::kResultsNotRead);
    EXPECT_EQ(
        y.messages.shown[0].detail,
        "JK01_1_3.txt がありません。先に個人票印刷（reportcard）で実行し、保存してください。");
}

TEST(SummaryRun, AShortResultsFileLeavesNothingOfTheGradeBefore) {
    YearFixture y;
    y.writeGrade(1, 1);
    y.writeRoster(2);
    writeBytes(resultsPath(y.dir.path(), 2001, 1, 2), "");
    SummaryRequest request = allGrades();
    request.grades = {true, true, false};
    EXPECT_EQ(runSummary(y.services, y.data, request).gradesPrinted, 2);
    Trace t = y.trace();
    // Grade 1 printed its scores; grade 2's lists show no score, no combination and no page of
    // the second and third kind.
    EXPECT_FALSE(t.find("70").empty());
    int gradeTwoStart = 0;
    for (const TraceOp& op : t.find("2101")) gradeTwoStart = std::max(gradeTwoStart, op.page);
    ASSERT_GT(gradeTwoStart, 0);
    for (const TraceOp& op : t.texts(gradeTwoStart)) {
        EXPECT_NE(op.text, "70");
        EXPECT_NE(op.text, "英国");
    }
}

TEST(SummaryRun, APrinterFailureIsReportedAndEndsTheRun) {
    YearFixture y;
    for (int g = 1; g <= 3; ++g) y.writeGrade(g, 1);
    y.printer.failDocuments = true;
    SummaryOutcome outcome = runSummary(y.services, y.data, allGrades());
    EXPECT_EQ(outcome.end, SummaryEnd::PrintFailed);
    EXPECT_EQ(outcome.gradesPrinted, 0);
    EXPECT_EQ(y.printer.dialogsShown(), 1);
    ASSERT_EQ(y.messages.shown.size(), 1u);
    EXPECT_EQ(y.messages.shown[0].text, text::kPrintFailed);
    EXPECT_EQ(y.messages.beeps, 1);
}

// A truncated results file is shown with the file and the finding before printing; stopping
// prints nothing, going on prints the grade.
TEST(SummaryRun, ADamagedResultsFileIsShownAndThePersonGoesOnOrStops) {
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        YearFixture y;
        y.writeGrade(1, 1);
        const auto file = resultsPath(y.dir.path(), 2001, 1, 1);
        writeBytes(file, readBytes(file).substr(0, 400));
        y.messages.answers = {answer};
        SummaryRequest request = allGrades();
        request.grades = {true, false, false};
        SummaryOutcome outcome = runSummary(y.services, y.data, request);
        ASSERT_EQ(y.messages.shown.size(), 1u);
        EXPECT_EQ(y.messages.shown[0].text, text::kDamagedFile);
        EXPECT_EQ(y.messages.shown[0].detail.rfind(file.string() + ": truncated: ", 0), 0u)
            << y.messages.shown[0].detail;
        EXPECT_EQ(outcome.end,
                  answer == MessageAnswer::No ? SummaryEnd::Stopped : SummaryEnd::Completed);
        EXPECT_EQ(outcome.gradesPrinted, answer == MessageAnswer::No ? 0 : 1);
        if (answer == MessageAnswer::No) {
            EXPECT_EQ(outcome.finding, y.messages.shown[0].detail);
        }
    }
}
