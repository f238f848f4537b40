// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "Reason.h"

namespace jitsu {

// A place in a file's text: 1-based line (counted by line feeds) and byte column.
struct TextPosition {
    std::size_t line = 1;
    std::size_t column = 1;
};

// How many places of tokens that are no number a health record lists.
inline constexpr std::size_t kListedBadTokens = 5;

// A count the reader cut to its limit, as the file had it: "grade 1 class count", "999", 20.
struct ClampedCount {
    Reason which;
    std::string from;
    unsigned to = 0;
};

// A value the reader refused, where the file has it: "head count 46 outside 0-45".
struct Rejection {
    TextPosition at;
    Reason what;
};

// What a reader saw in a file besides the record it filled: what a person needs to judge
// whether the file is sound. Every reader fills one the same way; reading is not changed by it.
struct FileFindings {
    std::size_t bytes = 0;           // the file's size as read
    std::size_t valuesRead = 0;      // fields the reader filled from the file
    std::size_t valuesExpected = 0;  // fields the shape asks for; 0 when the shape fixes none
    std::size_t tokensLeftOver = 0;  // whitespace-separated tokens after the last field read
    std::size_t bytesLeftOver = 0;   // from the first of them to the end
    std::size_t badTokens = 0;       // tokens a number was asked of that are no number
    std::vector<TextPosition> badTokenPlaces;  // the first few of them, in file order
    std::vector<ClampedCount> clamped;
    std::size_t rejected = 0;               // values outside their range, malformed lines
    std::vector<Rejection> rejectedPlaces;  // the first few of them, in file order
    std::size_t crLfEnds = 0, lfEnds = 0, crEnds = 0;  // line ends seen, each CR LF counted once
    bool validCp932 = true;                            // every byte belongs to a CP932 character
    bool looksUtf8 = false;       // valid UTF-8 holding characters beyond ASCII
    bool lineEndsMatter = false;  // the reader splits records at line feeds (the roster)

    // The fields the file holds by a count of its tokens: what was read and what was left.
    std::size_t valuesFound() const { return valuesRead + tokensLeftOver; }
    // Counts a rejected value, kept with its place while fewer than kListedBadTokens are.
    void reject(TextPosition at, Reason what);
    // Whether another rejection would be kept with its place (else it is only counted).
    bool keepsPlaces() const { return rejectedPlaces.size() < kListedBadTokens; }

    // Whether anything above makes the record differ from what the file's writer meant.
    bool damaged() const;
    // The findings as one line for a person in the process's language, causes before their
    // effects ("" when not damaged), e.g. "empty", "truncated: 100 of 2025 values", "3 tokens
    // that are not numbers from line 2".
    std::string describe() const;
};

// Line ends and encoding of the raw bytes of a file, before any conversion.
void surveyBytes(std::string_view raw, FileFindings& health);

// Where byte `offset` of `text` lies.
TextPosition positionIn(std::string_view text, std::size_t offset);

// Whether a file's count of values fits what the basic data asks for now.
struct ShapeFit {
    bool fits = true;
    std::size_t found = 0;
    std::size_t expected = 0;
};

// The shared shape check of score and results files: the values found in the file against the
// count the grade's class and subject counts give (readScores / readResultsFile fill both).
ShapeFit checkShape(const FileFindings& health);

}  // namespace jitsu
