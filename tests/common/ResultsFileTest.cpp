#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <sstream>

#include "Fixtures.h"
#include "Format.h"
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

std::size_t tokenCount(const std::string& line) {
    std::istringstream in(line);
    std::size_t n = 0;
    for (std::string token; in >> token;) ++n;
    return n;
}

std::unique_ptr<GradeResults> computed(const GradeData& grade, const TestScores& scores,
                                       const CombinationSet& ticked) {
    auto results = std::make_unique<GradeResults>();
    computeGradeResults(grade, scores, ticked, *results);
    return results;
}

}  // namespace

TEST(ResultsFile, EnglishJapaneseExampleGivesTheWorkedLines) {
    GradeData grade = makeGrade(1, 1, 2);  // disciplines 1 and 2
    TestScores scores;
    scores.scores[0][0][0] = 70;
    scores.scores[1][0][0] = 80;
    CombinationSet ticked{};
    ticked[Eikoku] = true;
    std::string file = formatResultsFile(grade, *computed(grade, scores, ticked));
    std::vector<std::string> lines = splitLines(file);
    ASSERT_EQ(lines.size(), 3u * 45 + 3);
    EXPECT_EQ(lines[0], "70 80 -1 -1 -1 -1 -1 150 -1 -1 -1 ");
    // One examinee everywhere: no spread, so every deviation score is 50.
    EXPECT_EQ(lines[1],
              "50.000000 50.000000 -1.000000 -1.000000 -1.000000 -1.000000 -1.000000 "
              "50.000000 -1.000000 -1.000000 -1.000000 ");
    EXPECT_EQ(lines[2], "1 1 -1 -1 -1 -1 -1 1 -1 -1 -1 ");
    EXPECT_EQ(lines[3], "-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 ");  // slot 1, beyond the head count
    EXPECT_EQ(lines[135], "1 70.000000 1 80.000000 ");
    EXPECT_EQ(lines[136],
              "0 -1.000000 0 -1.000000 0 -1.000000 0 -1.000000 0 -1.000000 "
              "1 150.000000 0 -1.000000 0 -1.000000 0 -1.000000 ");
    EXPECT_EQ(lines[137], "0 0 0 0 1 0 0 0 0");
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

TEST(ResultsFile, LayoutHasThreeLinesPerSlotEachEndingInABlankAndCrLf) {
    GradeData grade = makeGrade(2, 30, 3);
    std::string file = formatResultsFile(
        grade, *computed(grade, *electiveScores(grade, 7), defaultCombinations(2)));
    std::vector<std::string> lines = splitLines(file);
    ASSERT_EQ(lines.size(), 3u * 45 * 2 + 3);
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'),
              static_cast<long>(lines.size() - 1));  // every LF after a CR
    EXPECT_EQ(std::count(file.begin(), file.end(), '\r'), static_cast<long>(lines.size() - 1));
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        ASSERT_FALSE(lines[i].empty());
        EXPECT_EQ(lines[i].back(), ' ') << "line " << i;
        EXPECT_NE(lines[i][0], ' ') << "line " << i;
    }
    for (std::size_t i = 0; i < 3u * 45 * 2; ++i) {
        EXPECT_EQ(tokenCount(lines[i]), 3u + 9) << "line " << i;
        // The middle line of a slot holds the deviation scores with six decimals each.
        EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), '.'), i % 3 == 1 ? 12 : 0)
            << "line " << i;
    }
    EXPECT_EQ(tokenCount(lines[270]), 6u);
    EXPECT_EQ(tokenCount(lines[271]), 18u);
    EXPECT_EQ(lines[272], "1 1 1 1 0 0 0 0 0");  // order C of 英国数, ５教科, 英数理, 英国社
    EXPECT_NE(file.back(), ' ');
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
