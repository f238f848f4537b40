#include <gtest/gtest.h>

#include "Fixtures.h"
#include "Roster.h"
#include "TempDir.h"

using namespace jitsu;

namespace {

std::unique_ptr<GradeRoster> parse(const std::string& text) {
    auto roster = std::make_unique<GradeRoster>();
    parseRoster(text, *roster);
    return roster;
}

}  // namespace

TEST(Roster, CommaAndTabSeparateNumberAndName) {
    auto roster = parse("12," + sj("山田太郎") + "\n13\t" + sj("佐藤花子") + "\n");
    EXPECT_EQ(roster->studentNumbers[0].view(), "12");
    EXPECT_EQ(roster->studentNames[0].view(), sj("山田太郎"));
    EXPECT_EQ(roster->studentNumbers[1].view(), "13");
    EXPECT_EQ(roster->studentNames[1].view(), sj("佐藤花子"));
}

TEST(Roster, CrLfReadsAsLfButALoneCrBelongsToTheField) {
    TempDir dir;
    writeBytes(dir / "N011.csv", "1,A\r\n2,B\rC\r\n");
    GradeRoster roster;
    ASSERT_TRUE(readRoster(dir / "N011.csv", roster));
    EXPECT_EQ(roster.studentNames[0].view(), "A");
    EXPECT_EQ(roster.studentNames[1].view(), "B\rC");
}

TEST(Roster, LastLineWithoutLineEndKeepsItsName) {
    auto roster = parse("1,A\n2,B");
    EXPECT_EQ(roster->studentNumbers[1].view(), "2");
    EXPECT_EQ(roster->studentNames[1].view(), "B");
}

TEST(Roster, ASecondSeparatorPutsTheListsOutOfStep) {
    auto roster = parse("1,A,x\n2,B\n3,C\n");
    EXPECT_EQ(roster->studentNumbers[1].view(), "A");
    EXPECT_EQ(roster->studentNames[1].view(), "B");
    EXPECT_EQ(roster->studentNumbers[2].view(), "2");
    EXPECT_EQ(roster->studentNames[2].view(), "C");
    // A line without a separator gives a name only.
    auto other = parse("only\n5,E\n");
    EXPECT_EQ(other->studentNumbers[0].view(), "5");
    EXPECT_EQ(other->studentNames[0].view(), "only");
}

TEST(Roster, EmptyFieldsGiveEmptyTexts) {
    auto roster = parse(",A\n7,\n");
    EXPECT_EQ(roster->studentNumbers[0].view(), "");
    EXPECT_EQ(roster->studentNames[0].view(), "A");
    EXPECT_EQ(roster->studentNumbers[1].view(), "7");
    EXPECT_EQ(roster->studentNames[1].view(), "");
}

TEST(Roster, LongFieldsAreCutAndLinesPast450Ignored) {
    std::string text;
    for (int i = 0; i < 500; ++i) text += std::to_string(100000000 + i) + "0," + std::string(60, 'n') + "\n";
    auto roster = parse(text);
    EXPECT_EQ(roster->studentNumbers[0].view(), "100000000");  // 9 of 10 bytes
    EXPECT_EQ(roster->studentNames[449].view(), std::string(29, 'n'));
    EXPECT_EQ(roster->studentNumbers[449].view(), "100000449");
}

TEST(ClassRanges, FollowTheHeadCounts) {
    GradeData grade = makeGrade(2, 0, 1);
    grade.headCounts[0] = 3;
    grade.headCounts[1] = 2;
    GradeRoster roster;
    classRanges(grade, roster);
    EXPECT_EQ(roster.classFirst[0], 0);
    EXPECT_EQ(roster.classLast[0], 2);
    EXPECT_EQ(roster.classFirst[1], 3);
    EXPECT_EQ(roster.classLast[1], 4);
    EXPECT_EQ(roster.entryOf(1, 1), 4);
    EXPECT_EQ(roster.entryOf(1, 2), -1);
}

TEST(ClassRanges, LargeHeadCountsAdvanceButNeverReach450) {
    GradeData grade = makeGrade(3, 0, 1);
    grade.headCounts[0] = 48;           // more than 45 slots
    grade.headCounts[1] = 0;
    grade.headCounts[2] = 4000000000u;  // "-1" typed as a head count reads like this
    GradeRoster roster;
    classRanges(grade, roster);
    EXPECT_EQ(roster.classFirst[1], 48);  // the next class keeps its students' names
    EXPECT_LT(roster.classLast[1], roster.classFirst[1]);
    EXPECT_EQ(roster.classLast[2], 449);
    EXPECT_EQ(roster.classFirst[3], 450);
    EXPECT_EQ(roster.entryOf(2, 44), 48 + 44);
}
