#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jitsu {

// The value of a text made of an optional sign and decimal digits and nothing else; values past
// the 32-bit range are clamped. nullopt for any other text, the empty one included.
std::optional<int> readWholeNumber(std::string_view text);

// The score a cell text stands for: its value, or -1 (no score) when it is not a whole number.
int scoreOfText(std::string_view text);

// The text a score cell shows: empty for no score (any negative value), else the decimal value.
std::string textOfScore(int score);

// The digits of a text (UTF-8) as ASCII digits: ASCII and full-width ones (０ to ９, as an input
// method commits them), in order; every other character dropped.
std::string digitsOf(std::string_view text);

// What a score cell keeps of a text (UTF-8) that an edit put into it, however the text came
// (typed, pasted, dropped, committed by an input method): digitsOf the text. nullopt when those
// make a value above `fullMarks`: the edit is refused and the cell keeps its previous text.
std::optional<std::string> acceptedScoreText(std::string_view text, int fullMarks);

// What the window's status line says when a value above the full marks was refused.
std::string fullMarksNotice(int fullMarks);

// Count, sum and average of the scores (0 or more) among the shown cells, as the three read-only
// boxes show them: decimal count and sum, the average as "%3.1f", or a single blank when there
// is no score.
struct ScoreTotals {
    int count = 0;
    long long sum = 0;
    std::string countText, sumText, averageText;
};
ScoreTotals totalsOf(const std::vector<std::string>& cellTexts);

}  // namespace jitsu
