// The readers' error paths: whatever a file holds, no reader writes outside its record.
#include <gtest/gtest.h>

#include <random>

#include "BasicData.h"
#include "Fixtures.h"
#include "ResultsFile.h"
#include "Statistics.h"
#include "Roster.h"
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
        for (unsigned char b : before) if (b != 0xA5) return false;
        for (unsigned char b : after) if (b != 0xA5) return false;
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

TEST(MalformedInput, RandomBytesNeverWriteOutsideTheRecords) {
    std::mt19937 rng(12345);
    const GradeData grade = makeGrade(20, 45, 20, 10);
    auto basic = std::make_unique<Guarded<BasicData>>();
    auto roster = std::make_unique<Guarded<GradeRoster>>();
    auto scores = std::make_unique<Guarded<TestScores>>();
    const char alphabet[] = "0123456789 -+\t\r\n,abcN\x82\xA0\xFF\x81";
    for (int iteration = 0; iteration < 3000; ++iteration) {
        std::string bytes(rng() % 3000, '\0');
        bool structured = iteration % 2 == 0;
        for (char& b : bytes)
            b = structured ? alphabet[rng() % (sizeof alphabet - 1)] : static_cast<char>(rng() & 0xFF);
        parseBasicData(bytes, basic->record);
        parseRoster(bytes, roster->record);
        parseScores(bytes, grade, scores->record);
        for (const GradeData& g : basic->record.grades) {
            ASSERT_LE(g.classCount, 20u);
            ASSERT_LE(g.subjectCount, 20u);
            ASSERT_LE(g.testCount, 10u);
        }
        classRanges(basic->record.grades[iteration % 3], roster->record);
        for (int c = 0; c < basic->record.grades[iteration % 3].classes(); ++c)
            ASSERT_LT(roster->record.classLast[c], kRosterEntries);
    }
    EXPECT_TRUE(basic->intact());
    EXPECT_TRUE(roster->intact());
    EXPECT_TRUE(scores->intact());
}

TEST(MalformedInput, ResultsReaderAndStatisticsStayWithinTheirRecords) {
    std::mt19937 rng(54321);
    GradeData grade = makeGrade(20, 45, 20, 10);
    auto results = std::make_unique<Guarded<GradeResults>>();
    auto scores = std::make_unique<Guarded<TestScores>>();
    const char alphabet[] = "0123456789 -+.\t\r\nex";
    for (int iteration = 0; iteration < 200; ++iteration) {
        std::string bytes(rng() % 20000, '\0');
        for (char& b : bytes) b = alphabet[rng() % (sizeof alphabet - 1)];
        // Counts as the basic data can give them, head counts beyond the slots included.
        grade.classCount = rng() % 21;
        grade.subjectCount = rng() % 21;
        for (auto& heads : grade.headCounts) heads = rng() % 100;
        for (auto& discipline : grade.disciplineNumbers) discipline = rng() % 8;
        parseScores(bytes, grade, scores->record);  // scores up to the 32-bit limits
        parseResultsFile(bytes, grade, results->record);
        CombinationSet ticked;
        for (bool& t : ticked) t = rng() % 2;
        computeGradeResults(grade, scores->record, ticked, results->record);
        formatResultsFile(grade, results->record);
    }
    EXPECT_TRUE(results->intact());
    EXPECT_TRUE(scores->intact());
}
