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

std::string validateScoreCell(std::string_view text, int fullMarks) {
    if (text.empty()) return {};  // an empty cell (no score) always stands
    const int value = readWholeNumber(text).value_or(kNotANumber);
    if (value == kNotANumber) {
        std::string digits;
        for (char c : text)
            if (c >= '0' && c <= '9') digits += c;
        return digits;
    }
    // A number is ASCII, so its last character is its last byte.
    if (value > fullMarks) return std::string(text.substr(0, text.size() - 1));
    return std::string(text);
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
