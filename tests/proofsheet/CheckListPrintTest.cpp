// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "CheckListPage.h"
#include "CheckListRun.h"
#include "Fixtures.h"
#include "Golden.h"
#include "MessageTexts.h"

using namespace jitsu;

namespace {

struct GoldenCase {
    const char* name;  // folder under tests/data
    DemoYearSize size;
    int grade, test;
    std::vector<bool> classes;
    const char* place;
    int magnification;
};
void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

class CheckListGolden : public testing::TestWithParam<GoldenCase> {};

// The document of a grade, drawn call by call as the printer receives it.
TEST_P(CheckListGolden, MatchesTheGoldenTrace) {
    const GoldenCase& c = GetParam();
    CheckListRun r(c.size);
    r.request.grade = c.grade - 1;
    r.request.test = c.test;
    r.request.checkedClasses = c.classes;
    r.request.placeText = c.place;
    r.request.magnification = c.magnification;
    ASSERT_TRUE(r.print());
    EXPECT_TRUE(r.messages.shown.empty());
    EXPECT_TRUE(matchesGolden(r.trace.str(), std::string(c.name) + "/trace.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckListGolden,
    testing::Values(
        // Unchecked classes passed over; positions scaled after they are computed
        // ((800 + 280) × 87 ÷ 100 = 939, not 696 + 2 × 121); no place given.
        GoldenCase{"checklist-scaled", {{3, 3, 3}, 3, 5}, 2, 2, {true, false, true}, "", 87},
        // 47 students: every one printed, those past slot 45 without scores.
        GoldenCase{"checklist-47", {{1, 1, 1}, 47, 47}, 3, 1, {true}, "", 100}));

TEST(CheckListScoreText, ListsOnlyTheSubjectsWithAScore) {
    GradeData grade = makeGrade(1, 46, 2);
    grade.subjectNames[0].assign(sj("英語"));
    grade.subjectNames[1].assign(sj("数学"));
    auto scores = std::make_unique<TestScores>();
    scores->scores[0][0][0] = 78;  // 数学 stays -1
    scores->scores[1][0][1] = 0;   // a score of 0 is a score
    scores->scores[0][0][1] = -7;  // any negative score is none
    EXPECT_EQ(checkListScoreText(grade, *scores, 0, 0), " 英語＝78   ");
    EXPECT_EQ(checkListScoreText(grade, *scores, 0, 1), " 数学＝0   ");
    EXPECT_EQ(checkListScoreText(grade, *scores, 0, 2), " ");
    EXPECT_EQ(checkListScoreText(grade, *scores, 0, 45), " ");  // past the 45 slots
}

TEST(CheckListPrint, RowsPastTheRostersEndHaveEmptyNumberAndName) {
    CheckListRun r({{1, 1, 1}, 5, 5});
    const std::string roster = readBytes(r.roster());
    writeBytes(r.roster(), roster.substr(0, roster.find("\r\n") + 2));  // one student left
    ASSERT_TRUE(r.print());
    EXPECT_EQ(r.count("text 300 940 "), 2);  // row 2 on both pages, without a number
    EXPECT_EQ(r.count("text 300 940 1"), 0);
}

// The box and its beep are pinned where the grade's files are read.
TEST(CheckListPrint, AMissingRosterOrScoreFileAbandonsTheGradeWithItsMessage) {
    for (bool roster : {true, false}) {
        CheckListRun r;
        r.request.test = roster ? 1 : 3;  // the year has the score files of tests 1 and 2
        if (roster) std::filesystem::remove(r.roster());
        EXPECT_FALSE(r.print());
        EXPECT_EQ(r.messages.shown.size(), 1u);
        EXPECT_EQ(r.trace.str(), "");
    }
}

TEST(CheckListPrint, ACancelledDialogPrintsNothingAndSaysNothing) {
    CheckListRun r;
    r.printer.dialogAnswer = std::nullopt;
    EXPECT_TRUE(r.print());
    EXPECT_EQ(r.trace.str(), "job B4 portrait\n");
    EXPECT_TRUE(r.messages.shown.empty());
}

TEST(CheckListPrint, APrinterThatCannotPrintIsAnnounced) {
    CheckListRun r;
    r.printer.failDocuments = true;
    EXPECT_FALSE(r.print());
    EXPECT_EQ(r.messages.count(text::kPrintFailed), 1);
}

}  // namespace
