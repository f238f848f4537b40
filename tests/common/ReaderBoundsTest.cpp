// SPDX-License-Identifier: GPL-3.0-or-later
// Every reader on damaged files: each value outside its range, each malformed line, is a
// finding with its place in the file, and what is read never reaches past its field or holds a
// value nothing later can compute with.
#include <gtest/gtest.h>

#include <cctype>
#include <memory>

#include "BasicData.h"
#include "Fixtures.h"
#include "ResultsFile.h"
#include "Roster.h"
#include "Statistics.h"
#include "TempDir.h"
#include "TestScores.h"

using namespace jitsu;

namespace {

// One grade of one class (head count 30) and one subject (full marks 100), the other two unused.
std::string basicData(const std::string& yearAndTag = "2026 N", const std::string& head = "30",
                      const std::string& marks = "100") {
    return "S T " + yearAndTag + "\r\n1 \r\nA " + head + " \r\n1 1 \r\nE 1 \r\n" + marks +
           " \r\n0 \r\n0 0 \r\n0 \r\n0 0 \r\n";
}

}  // namespace

// Each value outside its range is a finding with its place ("" for the sound file), and whatever
// the file says, the record stays within what the programs can use.
TEST(BasicDataDamage, IsAFindingWithItsPlace) {
    const std::pair<std::string, std::string> cases[] = {
        {basicData(), ""},
        {basicData("1999 N"), "line 1 column 5: year 1999 outside 2000..2100"},
        {basicData("99999999999 N"), "year 4294967295 outside"},
        {basicData("2026 /home/B/x"),
         "line 1 column 10: roster tag \"/home/B/x\" is not letters and digits"},
        {basicData("2026 N", "46"), "line 3 column 3: head count 46 outside 0..45"},
        {basicData("2026 N", "-3"), "head count -3 outside 0..45"},
        {basicData("2026 N", "4294967295"), "head count -1 outside"},
        {basicData("2026 N", "30", "1000"), "line 6 column 1: full marks 1000 above 999"},
        {"\xEF\xBB\xBF" + basicData(), "line 1 column 1: a byte order mark before the school name"},
        {"\r\r\n \xEF\xBB\xBF" + basicData(),
         "line 2 column 2: a byte order mark before the school name"}};
    for (const auto& [text, finding] : cases) {
        auto data = std::make_unique<BasicData>();
        FileFindings health;
        surveyBytes(text, health);
        parseBasicData(text, *data, &health);
        if (finding.empty()) {
            EXPECT_EQ(health.describe(), "");
            EXPECT_EQ(data->rosterTag.view().bytes(), "N");
        }
        EXPECT_NE(health.describe().find(finding), std::string::npos) << health.describe();
        EXPECT_LE(data->grades[0].headCounts[0], unsigned(kRosterEntries));
        EXPECT_LE(data->grades[0].fullMarks[0][0], kMaxFullMarks);
        for (char c : data->rosterTag.view().bytes())
            EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)));
        EXPECT_EQ(data->schoolName.view().bytes(), "S");
    }
}

// Scores and results: a value beyond any full marks, or a results value beyond what a grade can
// give, is a finding and reads as "no value": statistics on it cannot overflow.
TEST(ScoreAndResultsDamage, OutOfRangeValuesAreFindingsAndReadAsNoValue) {
    const GradeData grade = makeGrade(1, 45, 1);
    auto scores = std::make_unique<TestScores>();
    FileFindings health;
    parseScores("99999999999999999999 1000 999 -1 -7", grade, *scores, &health);
    EXPECT_EQ(scores->scores[0][0][0], kNoScore);
    EXPECT_EQ(scores->scores[0][0][1], kNoScore);
    EXPECT_EQ(scores->scores[0][0][2], 999);
    EXPECT_EQ(scores->scores[0][0][3], kNoScore);
    EXPECT_EQ(scores->scores[0][0][4], kNoScore);  // no score all the same, but no writer's
    EXPECT_EQ(health.rejected, 3u);
    EXPECT_NE(health.describe().find("line 1 column 1: score 2147483647 outside -1..999, line 1 "
                                     "column 22: score 1000 outside -1..999, line 1 column 34: "
                                     "score -7 outside -1..999"),
              std::string::npos)
        << health.describe();
    // Read for a test, a score above the subject's full marks in it is rejected too.
    GradeData marks = grade;
    marks.fullMarks[0][0] = 50;
    health = FileFindings{};
    parseScores("50 51", marks, *scores, &health, 1);
    EXPECT_EQ(scores->scores[0][0][0], 50);
    EXPECT_EQ(scores->scores[0][0][1], kNoScore);
    EXPECT_NE(health.describe().find("line 1 column 4: score 51 outside -1..50"), std::string::npos)
        << health.describe();

    auto results = std::make_unique<GradeResults>();
    resetGradeResults(*results);
    health = FileFindings{};
    // One slot: score, nine totals, deviation, nine combination deviations, rank, nine ranks.
    std::string text = "99999999999 ";
    for (int k = 0; k < kCombinations; ++k) text += "50000 ";
    text += "\r\nnan ";
    for (int k = 0; k < kCombinations; ++k) text += "1e30 ";
    text += "\r\n901 ";
    parseResultsFile(text, grade, *results, &health);
    EXPECT_EQ(results->scores[0][0][0], kNoScore);
    EXPECT_EQ(results->comboTotals[0][0][0], kNoScore);
    EXPECT_EQ(results->subjectDeviations[0][0][0], kNoValue);
    EXPECT_EQ(results->comboDeviations[0][0][0], kNoValue);
    EXPECT_EQ(results->subjectRanks[0][0][0], kNoScore);
    EXPECT_EQ(health.rejected, 21u);
    EXPECT_NE(health.describe().find("line 1 column 1: score 2147483647 above 999, line 1 column "
                                     "13: total 50000 above 19980"),
              std::string::npos)
        << health.describe();
}

// A roster longer than 450 lines fills its 450 entries and no more: the 451st number reaches
// neither a name nor the class ranges beside the lists; the line past 450 is a finding.
TEST(RosterDamage, MoreThan450LinesNeverWritePastTheEntries) {
    std::string text;
    for (int i = 0; i < 460; ++i)
        text += "n" + std::to_string(i) + ",name" + std::to_string(i) + "\n";
    auto roster = std::make_unique<GradeRoster>();
    FileFindings health;
    parseRoster(text, *roster, &health);
    EXPECT_EQ(roster->studentNumbers[449].view().bytes(), "n449");
    EXPECT_EQ(roster->studentNames[449].view().bytes(), "name449");
    EXPECT_EQ(roster->studentNames[0].view().bytes(), "name0");
    for (int c = 0; c <= kMaxClasses; ++c) EXPECT_EQ(roster->classFirst[c], 0) << c;
    for (int c = 0; c < kMaxClasses; ++c) EXPECT_EQ(roster->classLast[c], 0) << c;
    EXPECT_NE(health.describe().find("line 451 column 1: more than 450 lines"), std::string::npos)
        << health.describe();
}

// A score record used for one test and then read for another grade shape, from a whole file or
// a short one: the record holds the file's scores and nothing else, no score of the first test
// and none past the end of a short file.
TEST(ScoreFile, ReadingIntoAUsedRecordLeavesNoOldScore) {
    TempDir dir;
    auto scores = std::make_unique<TestScores>();
    for (auto& subject : scores->scores)
        for (auto& cls : subject)
            for (auto& score : cls) score = 77;
    const GradeData small = makeGrade(2, 45, 3);
    for (const auto& [file, held] :
         {std::pair{std::string("50 50 50 \r\n"), 3}, {formatScores(small, TestScores()), 0}}) {
        auto used = std::make_unique<TestScores>(*scores);
        writeBytes(dir / "JT26_2_1.txt", file);
        ASSERT_TRUE(readScores(dir / "JT26_2_1.txt", small, *used));
        int scored = 0;
        for (auto& subject : used->scores)
            for (auto& cls : subject)
                for (auto& score : cls) scored += score != kNoScore;
        EXPECT_EQ(scored, held);
    }
}
