#include "ScoreText.h"

#include <algorithm>
#include <climits>

#include "DecimalNumber.h"
#include "Format.h"

namespace jitsu {

std::optional<int> readWholeNumber(std::string_view text) {
    auto number = wholeNumber(text);
    if (!number) return std::nullopt;
    return static_cast<int>(std::clamp<std::int64_t>(number->value(), INT_MIN, INT_MAX));
}

int scoreOfText(std::string_view text) { return readWholeNumber(text).value_or(-1); }

std::string textOfScore(int score) { return score < 0 ? std::string() : std::to_string(score); }

std::optional<std::string> acceptedScoreText(std::string_view text, int fullMarks) {
    std::string digits;
    for (char c : text)  // no byte of a multi-byte UTF-8 character is an ASCII digit
        if (c >= '0' && c <= '9') digits += c;
    if (scoreOfText(digits) > fullMarks) return std::nullopt;
    return digits;
}

ScoreTotals totalsOf(const std::vector<std::string>& cellTexts) {
    ScoreTotals totals;
    for (const std::string& text : cellTexts) {
        int score = scoreOfText(text);
        if (score < 0) continue;
        ++totals.count;
        totals.sum += score;
    }
    totals.countText = std::to_string(totals.count);
    totals.sumText = std::to_string(totals.sum);
    totals.averageText = totals.count == 0
                             ? std::string(" ")
                             : formatFixed(static_cast<double>(totals.sum) / totals.count, 1, 3);
    return totals;
}

}  // namespace jitsu
