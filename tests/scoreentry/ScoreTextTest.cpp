#include <gtest/gtest.h>

#include "ScoreText.h"

using namespace jitsu;

TEST(ReadWholeNumber, SignAndDigitsOnly) {
    EXPECT_EQ(readWholeNumber("0"), 0);
    EXPECT_EQ(readWholeNumber("085"), 85);
    EXPECT_EQ(readWholeNumber("+7"), 7);
    EXPECT_EQ(readWholeNumber("-1000"), -1000);
    EXPECT_EQ(readWholeNumber("99999999999"), 2147483647);
    EXPECT_EQ(readWholeNumber("-99999999999"), -2147483647 - 1);
    for (const char* text : {"", "-", "+", " 5", "5 ", "1e3", "0x10", "５", "7-"})
        EXPECT_EQ(readWholeNumber(text), std::nullopt) << text;
}

TEST(ScoreOfText, NotANumberIsNoScore) {
    EXPECT_EQ(scoreOfText("42"), 42);
    EXPECT_EQ(scoreOfText(""), -1);
    EXPECT_EQ(scoreOfText("abc"), -1);
    EXPECT_EQ(textOfScore(-1), "");
    EXPECT_EQ(textOfScore(-7), "");
    EXPECT_EQ(textOfScore(0), "0");
}

struct CellCase {
    const char* text;
    int fullMarks;
    const char* kept;  // nullptr: refused
};

class AcceptedScoreText : public ::testing::TestWithParam<CellCase> {};

TEST_P(AcceptedScoreText, DigitsOnlyAndNeverAboveFullMarks) {
    const CellCase& c = GetParam();
    const std::optional<std::string> kept = acceptedScoreText(c.text, c.fullMarks);
    EXPECT_EQ(kept, c.kept ? std::optional<std::string>(c.kept) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AcceptedScoreText,
    ::testing::Values(CellCase{"100", 100, "100"}, CellCase{"1005", 100, nullptr},
                      CellCase{"101", 100, nullptr}, CellCase{"60", 50, nullptr},
                      CellCase{"150", 100, nullptr}, CellCase{"", 100, ""}, CellCase{"0", 1, "0"},
                      CellCase{"007", 100, "007"}, CellCase{"a", 100, ""}, CellCase{"8a", 100, "8"},
                      CellCase{"85abc", 100, "85"}, CellCase{"-", 100, ""},
                      CellCase{"\xEF\xBC\x91", 100, ""},    // full-width 1
                      CellCase{"7\xEF\xBC\x92", 100, "7"},  // 7 and a full-width 2
                      CellCase{"1 2", 100, "12"}, CellCase{"-5", 100, "5"},
                      CellCase{"+7", 100, "7"}, CellCase{"1a5x0", 100, nullptr},
                      CellCase{"99999999999", 100, nullptr}));

TEST(TotalsOf, CountSumAndAverage) {
    ScoreTotals none = totalsOf({"", "", "x"});
    EXPECT_EQ(none.countText, "0");
    EXPECT_EQ(none.sumText, "0");
    EXPECT_EQ(none.averageText, " ");

    ScoreTotals two = totalsOf({"70", "", "85", "-3"});
    EXPECT_EQ(two.count, 2);
    EXPECT_EQ(two.sumText, "155");
    EXPECT_EQ(two.averageText, "77.5");

    EXPECT_EQ(totalsOf({"1", "2", "2"}).averageText, "1.7");  // 1.666… rounded
    EXPECT_EQ(totalsOf({"0"}).averageText, "0.0");
    EXPECT_EQ(totalsOf({"100", "100"}).averageText, "100.0");
}
