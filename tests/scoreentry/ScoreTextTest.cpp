// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <climits>

#include "Golden.h"
#include "ScoreText.h"

using namespace jitsu;

// A whole number as DecimalNumber reads one, saturating at 32 bits.
TEST(ReadWholeNumber, SaturatesAt32Bits) {
    EXPECT_EQ(readWholeNumber("-1000"), -1000);
    EXPECT_EQ(readWholeNumber("99999999999"), INT_MAX);
    EXPECT_EQ(readWholeNumber("-99999999999"), INT_MIN);
    EXPECT_EQ(readWholeNumber("1e3"), std::nullopt);
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
// the first line that fails stops the paste and says why, the cells above it filled. The golden
// file gives, for each paste into the cells 1|2|3|4, the cells afterwards, the lines taken and
// the refusal.
TEST(PasteColumn, FillsDownAndStopsAtTheFirstLineThatFails) {
    std::string out;
    for (const auto& [pasted, first] : {std::pair{"80\r\n７０\r\n", 1},
                                        {" 5 \n\n007", 0},
                                        {"90\n101\n50", 0},
                                        {"90\n8.5\n50", 0},
                                        {"欠\n1", 0},
                                        {"10\n20\n30", 2}}) {
        std::string shown;
        for (const char* c = pasted; *c; ++c)
            shown += *c == '\r' ? std::string("\\r") : *c == '\n' ? "\\n" : std::string(1, *c);
        const PastedColumn p = pasteColumn({"1", "2", "3", "4"}, first, pasted, 100);
        out += "\"" + shown + "\" from cell " + std::to_string(first + 1) + ":";
        for (const std::string& cell : p.cellTexts) out += " [" + cell + "]";
        out += ", " + std::to_string(p.filled) + " taken" + (p.refusal.empty() ? "" : ": ") +
               p.refusal + "\n";
    }
    EXPECT_TRUE(matchesGolden(out, "score-text/paste.txt"));
    EXPECT_TRUE(isPastedColumn("1\r\n2\r\n"));
    EXPECT_FALSE(isPastedColumn("12\r\n"));
}
