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

std::string digitsOf(std::string_view text) {
    std::string digits;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            digits += text[i];  // no byte of a multi-byte UTF-8 character is an ASCII digit
        } else if (text.compare(i, 2, "\xEF\xBC") == 0 && i + 2 < text.size() &&
                   static_cast<unsigned char>(text[i + 2]) >= 0x90 &&
                   static_cast<unsigned char>(text[i + 2]) <= 0x99) {
            digits += static_cast<char>('0' + (static_cast<unsigned char>(text[i + 2]) - 0x90));
            i += 2;  // U+FF10 … U+FF19, ０ to ９
        }
    }
    return digits;
}

std::optional<std::string> acceptedScoreText(std::string_view text, int fullMarks) {
    std::string digits = digitsOf(text);
    if (scoreOfText(digits) > fullMarks) return std::nullopt;
    return digits;
}

std::string fullMarksNotice(int fullMarks) {
    std::string notice = "満点は ";
    notice += std::to_string(fullMarks);
    return notice += " 点です";
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
