#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jitsu {

// The value that stands for "not a number" when a cell text is converted; a text that reads as
// exactly this value counts as not a number either.
inline constexpr int kNotANumber = -1000;

// The value of a text made of an optional sign and decimal digits and nothing else; values past
// the 32-bit range are clamped. nullopt for any other text, the empty one included.
std::optional<int> readWholeNumber(std::string_view text);

// The score a cell text stands for: its value, or -1 (no score) when it is not a whole number.
int scoreOfText(std::string_view text);

// The text a score cell shows: empty for no score (any negative value), else the decimal value.
std::string textOfScore(int score);

// A score cell's text (UTF-8) after a key was released in it: a text that is not a number keeps
// only its ASCII digits; a number above `fullMarks` loses its last character (one per release).
// Any other text is returned unchanged.
std::string validateScoreCell(std::string_view text, int fullMarks);

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
