// SPDX-License-Identifier: GPL-3.0-or-later
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

// Whether pasted text is a column of cells (a spreadsheet's column: more than one line) rather
// than one cell's text.
bool isPastedColumn(std::string_view pasted);

// A column pasted into the shown cells `cellTexts` from cell `first` down: each line (CR LF or
// LF; the last line end dropped) goes into the next cell, checked as a typed score: blanks
// around it dropped, full-width digits read as digits, an empty line an empty cell. The paste
// stops at the first line that is no whole number or is above `fullMarks`, and at the last cell.
struct PastedColumn {
    std::vector<std::string> cellTexts;  // the cells afterwards
    int filled = 0;                      // the lines put into cells
    std::string refusal;                 // UTF-8: why it stopped before the last line, or ""
};
PastedColumn pasteColumn(std::vector<std::string> cellTexts, int first, std::string_view pasted,
                         int fullMarks);

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
