#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <sstream>

#include "Fixtures.h"
#include "Format.h"
#include "Golden.h"
#include "ResultsFile.h"
#include "Statistics.h"
#include "TempDir.h"

using namespace jitsu;

namespace {

std::vector<std::string> splitLines(const std::string& file) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = file.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(file.substr(start, end - start));
    lines.push_back(file.substr(start));
    return lines;
}

std::unique_ptr<GradeResults> computed(const GradeData& grade, const TestScores& scores,
                                       const CombinationSet& ticked) {
    auto results = std::make_unique<GradeResults>();
    computeGradeResults(grade, scores, ticked, *results);
    return results;
}

}  // namespace

// A grade of two classes of three, subjects of disciplines 1 to 3, one score missing: the file
// pins every printed digit of the deviation scores (spread and deviations are taken around the
// single-precision average), the ranks with a tie, the trailing blanks and the CR LF endings.
TEST(ResultsFile, SmallGradeGivesTheGoldenFile) {
    GradeData grade = makeGrade(2, 3, 3);
    const int table[3][6] = {
        {73, 58, 91, 66, 58, 40}, {80, 62, -1, 71, 49, 95}, {55, 55, 87, 60, 33, 78}};
    TestScores scores;
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 6; ++i) scores.scores[j][i / 3][i % 3] = table[j][i];
    CombinationSet ticked{};
    ticked[Eikoku] = ticked[Eikokusu] = true;
    EXPECT_TRUE(matchesGolden(formatResultsFile(grade, *computed(grade, scores, ticked)),
                              "results-small/results.txt"));
}

// Distinct values per combination show where each one lands in the three orders.
TEST(ResultsFile, CombinationsAppearInOrdersABAndCAndReadBackToTheirIndex) {
    GradeData grade = makeGrade(1, 1, 1);
    auto written = std::make_unique<GradeResults>();
    resetGradeResults(*written);
    for (int k = 0; k < kCombinations; ++k) {
        written->comboTotals[k][0][0] = 100 + k;
        written->comboDeviations[k][0][0] = static_cast<float>(k) + 0.25f;
        written->comboRanks[k][0][0] = 10 + k;
        written->comboExaminees[k] = 20 + k;
        written->comboAverages[k] = static_cast<float>(k) + 0.5f;
        written->comboFlags[k] = k;
    }
    std::string file = formatResultsFile(grade, *written);
    std::vector<std::string> lines = splitLines(file);
    // A: 英国数 ５教科 英数理 英国社 英数 英国 国数 英国数社 英国数理
    EXPECT_EQ(lines[0], "-1 100 101 102 103 105 104 106 108 107 ");
    EXPECT_EQ(lines[1],
              "0.000000 0.250000 1.250000 2.250000 3.250000 5.250000 4.250000 6.250000 "
              "8.250000 7.250000 ");
    EXPECT_EQ(lines[2], "0 10 11 12 13 15 14 16 18 17 ");
    // B: 英国数 ５教科 英国社 英数理 英数 英国 国数 英国数社 英国数理
    EXPECT_EQ(lines[136],
              "20 0.500000 21 1.500000 23 3.500000 22 2.500000 25 5.500000 "
              "24 4.500000 26 6.500000 28 8.500000 27 7.500000 ");
    // C: ５教科 英国数 英数理 英国社 英国 英数 国数 英国数理 英国数社
    EXPECT_EQ(lines[137], "1 0 2 3 4 5 6 7 8");

    auto read = std::make_unique<GradeResults>();
    resetGradeResults(*read);
    parseResultsFile(file, grade, *read);
    for (int k = 0; k < kCombinations; ++k) {
        EXPECT_EQ(read->comboTotals[k][0][0], 100 + k);
        EXPECT_EQ(read->comboDeviations[k][0][0], static_cast<float>(k) + 0.25f);
        EXPECT_EQ(read->comboRanks[k][0][0], 10 + k);
        EXPECT_EQ(read->comboExaminees[k], 20 + k);
        EXPECT_EQ(read->comboAverages[k], static_cast<float>(k) + 0.5f);
        EXPECT_EQ(read->comboFlags[k], k);
    }
}

TEST(ResultsFile, WrittenThenReadBackGivesTheSameRecord) {
    TempDir dir;
    GradeData grade = makeGrade(20, 45, 20);
    grade.headCounts[3] = 12;
    CombinationSet every;
    every.fill(true);
    auto written = computed(grade, *electiveScores(grade, 99), every);
    ASSERT_TRUE(writeResultsFile(dir / "JK26_1_1.txt", grade, *written));
    auto read = std::make_unique<GradeResults>();
    ASSERT_TRUE(readResultsFile(dir / "JK26_1_1.txt", grade, *read));

    // Every value the file carries, floats as printed with six decimals.
    EXPECT_EQ(readBytes(dir / "JK26_1_1.txt"), formatResultsFile(grade, *read));
    EXPECT_EQ(std::memcmp(read->scores, written->scores, sizeof read->scores), 0);
    EXPECT_EQ(std::memcmp(read->comboRanks, written->comboRanks, sizeof read->comboRanks), 0);
    for (int k = 0; k < kCombinations; ++k) EXPECT_GT(read->comboExaminees[k], 0) << k;
    EXPECT_EQ(read->subjectStdDevs[0], 0.0);  // not in the file
    EXPECT_EQ(read->comboStdDevs[Eikokusu], 0.0);
}

TEST(ResultsFile, ShortFileLeavesTheResetValues) {
    TempDir dir;
    GradeData grade = makeGrade(1, 5, 2);
    writeBytes(dir / "JK.txt", "5 6\r\n1 2 3 4 5 6 7 8 9\r\n");
    auto read = computed(grade, *electiveScores(grade, 3), defaultCombinations(2));  // not empty
    ASSERT_TRUE(readResultsFile(dir / "JK.txt", grade, *read));
    EXPECT_EQ(read->scores[0][0][0], 5);
    EXPECT_EQ(read->scores[1][0][0], 6);
    EXPECT_EQ(read->comboTotals[Eisu][0][0], 5);  // position 5 of order A
    EXPECT_EQ(read->comboTotals[Eikoku][0][0], 6);
    EXPECT_EQ(read->comboTotals[Eikokususha][0][0], 8);
    EXPECT_EQ(read->subjectDeviations[0][0][0], 0.0f);
    EXPECT_EQ(read->scores[0][0][1], -1);
    EXPECT_EQ(read->subjectExaminees[0], 0);
    EXPECT_EQ(read->comboFlags[Eikokusu], 0);
}

TEST(ResultsFile, MissingFileReportsFailureAndLeavesTheResetValues) {
    TempDir dir;
    GradeData grade = makeGrade(1, 5, 2);
    auto read = computed(grade, *electiveScores(grade, 4), defaultCombinations(1));
    EXPECT_FALSE(readResultsFile(dir / "JK26_1_1.txt", grade, *read));
    EXPECT_EQ(read->scores[0][0][0], -1);
    EXPECT_EQ(read->comboFlags[Eikokusu], 0);
    EXPECT_EQ(read->subjectAverages[0], 0.0f);
}

TEST(ResultsFile, WriteFailsWhereTheFileCannotBeCreated) {
    TempDir dir;
    std::filesystem::create_directory(dir / "JK26_1_1.txt");
    GradeData grade = makeGrade(1, 5, 2);
    Status status =
        writeResultsFile(dir / "JK26_1_1.txt", grade, *computed(grade, TestScores(), {}));
    EXPECT_FALSE(status);
    EXPECT_FALSE(status.reason().empty());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "JK26_1_1.txt"));
    EXPECT_FALSE(
        writeResultsFile(dir / "gone" / "JK26_1_1.txt", grade, *computed(grade, TestScores(), {})));
}
