// The readers' error paths: a file cut short, a word for a number, names too long for their fields.
#include <gtest/gtest.h>

#include "BasicData.h"
#include "Fixtures.h"
#include "Roster.h"

using namespace jitsu;

TEST(MalformedBasicData, TruncatedFileKeepsWhatWasRead) {
    BasicData data;
    parseBasicData("School Test 2010 N 3 A 30 B", data);
    EXPECT_EQ(data.year, 2010u);
    EXPECT_EQ(data.grades[0].classCount, 3u);
    EXPECT_EQ(data.grades[0].headCounts[0], 30u);
    EXPECT_EQ(data.grades[0].classNames[1].view(), "B");
    EXPECT_EQ(data.grades[0].headCounts[1], 0u);
    EXPECT_EQ(data.grades[1].classCount, 0u);
}

TEST(MalformedBasicData, NonNumericHeadCountShiftsTheFollowingTokens) {
    BasicData data;
    // "三十" is no number: the head count stays 0 and the next name read takes "三十".
    parseBasicData("S T 2001 N 2 A " + sj("三十") + " B 20 ", data);
    EXPECT_EQ(data.grades[0].headCounts[0], 0u);
    EXPECT_EQ(data.grades[0].classNames[1].view(), sj("三十"));
}

TEST(MalformedBasicData, SixtyByteNamesAreCutToTheirFields) {
    BasicData data;
    std::string longName;
    for (int i = 0; i < 30; ++i) longName += sj("あ");
    parseBasicData(longName + " " + longName + " 2001 " + longName + " 1 " + longName + " 3", data);
    EXPECT_EQ(data.schoolName.view().size(), 28u);  // 14 characters of 2 bytes within 29
    EXPECT_EQ(data.rosterTag.view().size(), 18u);
    EXPECT_EQ(data.grades[0].classNames[0].view().size(), 8u);
    EXPECT_EQ(data.grades[0].headCounts[0], 3u);
}

TEST(MalformedRoster, Utf8RosterIsKeptAsBytesWithinTheFields) {
    GradeRoster roster;
    parseRoster("1,山田太郎山田太郎山田太郎\n", roster);  // UTF-8: 36 bytes of name
    EXPECT_LE(roster.studentNames[0].view().size(), 29u);
    EXPECT_EQ(roster.studentNumbers[0].view(), "1");
}
