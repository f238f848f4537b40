// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Golden.h"
#include "MessageTexts.h"
#include "SummaryYear.h"

using namespace jitsu;
using namespace jitsu::summaryprint;

namespace {

struct GoldenCase {
    const char* name;  // folder under tests/data
    DemoYearSize size;
    int grade;
    bool classLists, topScorers, frequencies;
    PrintScale scale;
};
void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

class SummaryPages : public testing::TestWithParam<GoldenCase> {};

// Every list of a grade, drawn call by call as the printer receives it.
TEST_P(SummaryPages, MatchTheGoldenTrace) {
    const GoldenCase& c = GetParam();
    SummaryYear y(c.size);
    y.request.classLists = c.classLists;
    y.request.topScorers = c.topScorers;
    y.request.frequencies = c.frequencies;
    y.request.scale = c.scale;
    std::array<bool, kGrades> grades{};
    grades[c.grade - 1] = true;
    EXPECT_TRUE(y.run(grades));
    EXPECT_EQ(y.count("begin"), 1);
    EXPECT_TRUE(y.messages.shown.empty());
    EXPECT_TRUE(matchesGolden(y.out.str(), std::string(c.name) + "/trace.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SummaryPages,
    testing::Values(
        // Small classes: every list on its first page, ties among the top scorers.
        GoldenCase{"summary-small", {{2, 2, 2}, 3, 5}, 1, true, true, true, {100, 100}},
        // 22 students: the class list breaks after 21 and the summary follows the last one.
        GoldenCase{"summary-22", {{1, 2, 1}, 22, 22}, 2, true, false, true, {100, 100}},
        // 45 students, the most a class holds: a third page takes the last three.
        GoldenCase{"summary-45", {{1, 1, 1}, 45, 45}, 1, true, false, false, {100, 100}},
        // Over 200 examinees: a top-scorer list runs into a second block of 50 ranks.
        GoldenCase{"summary-blocks", {{6, 6, 6}, 35, 36}, 3, false, true, false, {100, 100}}));

TEST(SummaryRun, ACancelledDialogSkipsOnlyItsGrade) {
    SummaryYear y;
    y.printer.answers = {false, true, false};
    EXPECT_TRUE(y.run({true, true, true}));
    EXPECT_EQ(y.printer.dialogsShown(), 3);
    EXPECT_EQ(y.count("begin"), 1);
}

// The grade before is printed, the message shown with a beep, no later grade printed.
TEST(SummaryRun, AMissingRosterOrResultsFileEndsTheRunAfterTheGradesBefore) {
    for (bool roster : {true, false}) {
        SummaryYear y;
        std::filesystem::remove(roster
                                    ? rosterPath(y.path(), y.data.rosterTag.view().bytes(), 2026, 2)
                                    : resultsPath(y.path(), 2026, 1, 2));
        const Status status = y.run({true, true, true});
        EXPECT_TRUE(status.isMissing()) << status.reason();
        EXPECT_EQ(y.count("begin"), 1);
        EXPECT_EQ(y.messages.beeps, 1);
        ASSERT_EQ(y.messages.shown.size(), 1u);
        EXPECT_EQ(y.messages.shown[0].text,
                  roster ? text::kRosterMissingPrint : text::kResultsNotRead);
    }
}

TEST(SummaryRun, APrinterFailureIsReportedAndEndsTheRun) {
    SummaryYear y;
    y.printer.failDocuments = true;
    EXPECT_FALSE(y.run({true, true, true}));
    EXPECT_EQ(y.printer.dialogsShown(), 1);
    EXPECT_EQ(y.messages.count(text::kPrintFailed), 1);
}

// A truncated results file is shown with the file and the finding before printing; stopping
// prints nothing, going on prints the grade.
TEST(SummaryRun, ADamagedResultsFileIsShownAndThePersonGoesOnOrStops) {
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        SummaryYear y;
        const auto file = resultsPath(y.path(), 2026, 1, 1);
        writeBytes(file, readBytes(file).substr(0, 400));
        y.messages.answers = {answer};
        const Status status = y.run({true, false, false});
        ASSERT_EQ(y.messages.shown.size(), 1u);
        EXPECT_EQ(y.messages.shown[0].text, text::kDamagedFile);
        EXPECT_EQ(y.messages.shown[0].detail.rfind(file.string() + ": truncated: ", 0), 0u)
            << y.messages.shown[0].detail;
        EXPECT_EQ(bool(status), answer == MessageAnswer::Yes);
        EXPECT_EQ(y.count("begin"), answer == MessageAnswer::No ? 0 : 1);
    }
}

}  // namespace

// A score corrected after the results were computed: the question names both files, No prints
// nothing, Yes computes the results again (with the correction) and prints.
TEST(SummaryRun, AnOutOfDateResultsFileIsAskedAbout) {
    for (bool recompute : {false, true}) {
        SummaryYear y;
        const GradeData& grade = y.data.grades[0];
        const auto scoresFile = scorePath(y.path(), 2026, 1, 1);
        auto scores = std::make_unique<TestScores>();
        ASSERT_TRUE(readScores(scoresFile, grade, *scores));
        scores->scores[0][0][0] = scores->scores[0][0][0] == 99 ? 98 : 99;
        ASSERT_TRUE(writeScores(scoresFile, grade, *scores));
        const auto resultsFile = resultsPath(y.path(), 2026, 1, 1);
        std::filesystem::last_write_time(
            scoresFile, std::filesystem::last_write_time(resultsFile) + std::chrono::seconds(10));
        y.messages.answers = {recompute ? MessageAnswer::Yes : MessageAnswer::No};

        const Status status = y.run({true, false, false});
        ASSERT_EQ(y.messages.shown.size(), 1u);
        EXPECT_EQ(y.messages.shown[0].text, text::kResultsOutOfDate);
        EXPECT_EQ(y.messages.shown[0].safeAnswer, MessageAnswer::No);
        EXPECT_NE(y.messages.shown[0].detail.find("JK26_1_1.txt"), std::string::npos);
        EXPECT_NE(y.messages.shown[0].detail.find("JT26_1_1.txt"), std::string::npos);
        EXPECT_EQ(bool(status), recompute);
        EXPECT_EQ(y.count("begin"), recompute ? 1 : 0);
        auto results = std::make_unique<GradeResults>();
        ASSERT_TRUE(readResultsFile(resultsFile, grade, *results));
        EXPECT_EQ(results->scores[0][0][0] == scores->scores[0][0][0], recompute);
    }
}
