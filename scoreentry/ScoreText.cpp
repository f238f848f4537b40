// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScoreText.h"

#include <algorithm>
#include <climits>

#include "DecimalNumber.h"
#include "Format.h"
#include "StudentNumber.h"

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

bool isPastedColumn(std::string_view pasted) {
    while (pasted.ends_with('\n') || pasted.ends_with('\r')) pasted.remove_suffix(1);
    return pasted.find('\n') != std::string_view::npos;
}

PastedColumn pasteColumn(std::vector<std::string> cellTexts, int first, std::string_view pasted,
                         int fullMarks) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < pasted.size();) {
        const std::size_t end = std::min(pasted.find('\n', start), pasted.size());
        std::string_view line = pasted.substr(start, end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    PastedColumn result;
    for (const std::string& line : lines) {
        const std::size_t cell = static_cast<std::size_t>(first + result.filled);
        const std::string where = std::to_string(result.filled + 1) + " 行目の「" + line + "」";
        if (cell >= cellTexts.size()) {
            result.refusal = "この組の生徒は " + std::to_string(cellTexts.size()) +
                             " 人です。貼り付けた " + std::to_string(lines.size()) + " 行のうち " +
                             std::to_string(lines.size() - result.filled) + " 行は入りません。";
            break;
        }
        std::string text;
        if (line.find_first_not_of(" \t\xE3\x80\x80") != std::string::npos) {
            const std::optional<std::string> digits = normalStudentNumberUtf8(line);
            if (!digits) {
                result.refusal = where + "は点数ではありません。そこで貼り付けを止めました。";
                break;
            }
            if (scoreOfText(*digits) > fullMarks || scoreOfText(*digits) < 0) {
                result.refusal = where + "は満点（" + std::to_string(fullMarks) +
                                 "）を超えています。そこで貼り付けを止めました。";
                break;
            }
            text = std::to_string(scoreOfText(*digits));
        }
        cellTexts[cell] = text;
        ++result.filled;
    }
    result.cellTexts = std::move(cellTexts);
    return result;
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
