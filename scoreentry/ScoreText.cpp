#include "ScoreText.h"

#include <climits>

#include "Format.h"

namespace jitsu {

std::optional<int> readWholeNumber(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        pos = 1;
    }
    if (pos == text.size()) return std::nullopt;
    long long magnitude = 0;
    for (; pos < text.size(); ++pos) {
        char c = text[pos];
        if (c < '0' || c > '9') return std::nullopt;
        if (magnitude <= INT_MAX) magnitude = magnitude * 10 + (c - '0');  // saturates past 32 bits
    }
    long long value = negative ? -magnitude : magnitude;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
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
