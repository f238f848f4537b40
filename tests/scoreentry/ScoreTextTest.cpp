// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <climits>

#include "ScoreText.h"

using namespace jitsu;

TEST(ReadWholeNumber, SignAndDigitsOnlySaturatingAt32Bits) {
    EXPECT_EQ(readWholeNumber("085"), 85);
    EXPECT_EQ(readWholeNumber("+7"), 7);
    EXPECT_EQ(readWholeNumber("-1000"), -1000);
    EXPECT_EQ(readWholeNumber("99999999999"), INT_MAX);
    EXPECT_EQ(readWholeNumber("-99999999999"), INT_MIN);
    for (const char* text : {"", "-", "+", " 5", "5 ", "1e3", "0x10", "５", "7-"})
        EXPECT_EQ(readWholeNumber(text), std::nullopt) << text;
}

// What a cell keeps of a typed or pasted text: its ASCII digits, refused when above full marks.
TEST(AcceptedScoreText, DigitsOnlyAndNeverAboveFullMarks) {
    const std::tuple<const char*, int, std::optional<std::string>> cases[] = {
        {"100", 100, "100"},
        {"101", 100, {}},
        {"", 100, ""},
        {"0", 1, "0"},
        {"007", 100, "007"},
        {"85abc", 100, "85"},
        {"-5", 100, "5"},
        {"1 2", 100, "12"},
        {"99999999999", 100, {}},
        {"８５", 100, "85"},  // as an input method commits them
        {"７あ２", 100, "72"},
        {"１０１", 100, {}},
        {"\xEF\xBC\x9A\xEF\xBC\x8F", 100, ""},  // ： and ／, next to ０ … ９
        {"\xEF\xBC", 100, ""}};                 // cut off
    for (const auto& [text, fullMarks, kept] : cases)
        EXPECT_EQ(acceptedScoreText(text, fullMarks), kept) << text << " of " << fullMarks;
}

TEST(TotalsOf, CountSumAndAverageOfTheScoresShown) {
    ScoreTotals none = totalsOf({"", "", "x"});
    EXPECT_EQ(none.countText + "|" + none.sumText + "|" + none.averageText, "0|0| ");
    ScoreTotals two = totalsOf({"70", "", "85", "-3"});
    EXPECT_EQ(two.countText + "|" + two.sumText + "|" + two.averageText, "2|155|77.5");
    EXPECT_EQ(totalsOf({"1", "2", "2"}).averageText, "1.7");  // 1.666… rounded
    EXPECT_EQ(textOfScore(-7) + "|" + textOfScore(0), "|0");
}

// A pasted column fills the cells from the first one down, each line checked as a typed score;
// the first line that fails stops the paste and says why, the cells above it filled.
TEST(PasteColumn, FillsDownAndStopsAtTheFirstLineThatFails) {
    const std::vector<std::string> cells = {"1", "2", "3", "4"};
    const struct {
        const char* pasted;
        int first;
        std::vector<std::string> after;
        int filled;
        const char* refusal;
    } cases[] = {
        {"80\r\n７０\r\n", 1, {"1", "80", "70", "4"}, 2, ""},
        {" 5 \n\n007", 0, {"5", "", "7", "4"}, 3, ""},
        {"90\n101\n50",
         0,
         {"90", "2", "3", "4"},
         1,
         "2 行目の「101」は満点（100）を超えています。そこで貼り付けを止めました。"},
        {"90\n8.5\n50",
         0,
         {"90", "2", "3", "4"},
         1,
         "2 行目の「8.5」は点数ではありません。そこで貼り付けを止めました。"},
        {"欠\n1", 0, cells, 0, "1 行目の「欠」は点数ではありません。そこで貼り付けを止めました。"},
        {"10\n20\n30",
         2,
         {"1", "2", "10", "20"},
         2,
         "この組の生徒は 4 人です。貼り付けた 3 行のうち 1 行は入りません。"},
    };
    for (const auto& c : cases) {
        const PastedColumn pasted = pasteColumn(cells, c.first, c.pasted, 100);
        EXPECT_EQ(pasted.cellTexts, c.after) << c.pasted;
        EXPECT_EQ(pasted.filled, c.filled) << c.pasted;
        EXPECT_EQ(pasted.refusal, c.refusal) << c.pasted;
    }
    EXPECT_TRUE(isPastedColumn("1\r\n2\r\n"));
    EXPECT_FALSE(isPastedColumn("12\r\n"));
}
