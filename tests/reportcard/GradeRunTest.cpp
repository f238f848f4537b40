// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "MessageTexts.h"
#include "ReportRun.h"

using namespace jitsu;

namespace {

// Six reports a sheet, and none for a student beyond slot 45.
TEST(ReportPages, SixReportsASheetAndNoneBeyondSlot45) {
    const std::pair<int, int> headsAndPages[] = {{6, 1}, {7, 2}, {45, 8}, {48, 8}};
    for (const auto& [heads, pages] : headsAndPages) {
        ReportRun r({{1, 1, 1}, heads, heads});
        ASSERT_TRUE(r.run());
        EXPECT_EQ(static_cast<int>(r.lines("page ").size()), pages) << heads << " students";
        const auto names = r.names();
        ASSERT_EQ(static_cast<int>(names.size()), std::min(heads, 45));
        const std::string last = std::to_string(std::min(heads, 45)) + " 番";
        EXPECT_NE(names.back().find(last), std::string::npos) << names.back();
    }
}

TEST(ReportPages, ThePageRangeCountsPagesAcrossTheTickedClassesEachCopyOnItsOwnSheet) {
    ReportRun r({{3, 3, 3}, 12, 12});               // two pages a class
    r.request.tickedClasses = {true, false, true};  // class 2 is not printed and not counted
    r.printer.dialogAnswer = PageRange{2, 3};
    r.request.copies = 2;
    ASSERT_TRUE(r.run());
    const auto names = r.lines("text 2300 290 ");  // the first report of each sheet
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names[0], names[1]);
    EXPECT_NE(names[0].find("ＨＲ   7 番"), std::string::npos);
    EXPECT_EQ(names[2], names[3]);
    EXPECT_NE(names[2].find("ＨＲ   1 番"), std::string::npos);
    EXPECT_NE(names[0], names[2]);
}

// A cancelled dialog or a cleared print box prints nothing and still saves; a cleared save box
// leaves the results file as it was and still prints.
TEST(ReportPages, EachBoxAndTheDialogLeaveOnlyTheirOwnStep) {
    ReportRun r;
    r.printer.dialogAnswer = std::nullopt;
    EXPECT_TRUE(r.run());
    r.request.print = false;
    EXPECT_TRUE(r.run());
    EXPECT_EQ(r.printer.dialogsShown(), 1);
    EXPECT_EQ(r.trace.str(), "job A4 portrait\njob A4 portrait\n");
    EXPECT_TRUE(std::filesystem::exists(r.results(2, 1)));

    ReportRun saveCleared;
    writeBytes(saveCleared.results(2, 1), "earlier run");
    saveCleared.request.save = false;
    EXPECT_TRUE(saveCleared.run());
    EXPECT_EQ(readBytes(saveCleared.results(2, 1)), "earlier run");
    EXPECT_FALSE(saveCleared.names().empty());
}

// Fourteen columns at 200 % leave the A4 sheet: the question (its text pinned where the fit is
// measured) decides whether the reports print.
TEST(ReportPages, ATableWiderThanTheSheetIsPrintedOnlyWhenThePersonSaysSo) {
    ReportRun r;
    r.request.results.combinations.fill(true);
    r.request.scale.layoutPercent = 200;
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        r.messages.shown.clear();
        r.messages.answers = {answer};
        EXPECT_TRUE(r.run());
        ASSERT_EQ(r.messages.shown.size(), 1u);
        EXPECT_EQ(r.messages.shown[0].safeAnswer, MessageAnswer::No);
        EXPECT_EQ(r.names().empty(), answer == MessageAnswer::No);
    }
}

// The box and its beep are pinned where the grade's files are read.
TEST(GradeRun, AMissingRosterOrScoreFileEndsTheRunWithNothingSavedOrPrinted) {
    for (bool roster : {true, false}) {
        ReportRun r;
        std::filesystem::remove(roster ? r.roster(1)
                                       : scorePath(r.year.path(), r.year.data.year, 2, 1));
        EXPECT_FALSE(r.run());
        EXPECT_EQ(r.messages.shown.size(), 1u);
        EXPECT_FALSE(std::filesystem::exists(r.results(2, 1)));
        EXPECT_EQ(r.trace.str(), "");
    }
}

TEST(GradeRun, AResultsFileThatCannotBeWrittenIsAnnouncedAndTheReportsStillPrint) {
    ReportRun r;
    std::filesystem::create_directory(r.results(2, 1));  // where the file should go
    EXPECT_FALSE(r.run());
    ASSERT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.shown[0].text, text::kResultsNotSaved);
    EXPECT_EQ(r.messages.beeps, 1);
    EXPECT_FALSE(r.names().empty());
}

TEST(GradeRun, APrinterThatCannotPrintIsAnnouncedAfterTheResultsAreSaved) {
    ReportRun r;
    r.printer.failDocuments = true;
    EXPECT_FALSE(r.run());
    EXPECT_TRUE(std::filesystem::exists(r.results(2, 1)));
    EXPECT_EQ(r.messages.count(text::kPrintFailed), 1);
}

}  // namespace
