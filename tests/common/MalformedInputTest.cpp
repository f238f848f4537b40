// The readers' error paths: whatever a file holds, no reader writes outside its record.
#include <gtest/gtest.h>

#include <random>

#include "BasicData.h"
#include "Fixtures.h"
#include "ResultsFile.h"
#include "Roster.h"
#include "Statistics.h"
#include "TestScores.h"

using namespace jitsu;

namespace {

// A record with guard bytes on both sides, so that a write past its end is seen even without
// the sanitizers.
template <typename Record>
struct Guarded {
    unsigned char before[64];
    Record record;
    unsigned char after[64];
    Guarded() {
        std::memset(before, 0xA5, sizeof before);
        std::memset(after, 0xA5, sizeof after);
    }
    bool intact() const {
        for (unsigned char b : before)
            if (b != 0xA5) return false;
        for (unsigned char b : after)
            if (b != 0xA5) return false;
        return true;
    }
};

}  // namespace

TEST(MalformedBasicData, CountsAboveTheirLimitsAreClamped) {
    auto data = std::make_unique<Guarded<BasicData>>();
    parseBasicData("S T 2001 N 99 " + std::string(400, 'x') + " 99 99", data->record);
    EXPECT_EQ(data->record.grades[0].classCount, 20u);
    EXPECT_LE(data->record.grades[0].subjectCount, 20u);
    EXPECT_LE(data->record.grades[0].testCount, 10u);
    EXPECT_TRUE(data->intact());
}

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
