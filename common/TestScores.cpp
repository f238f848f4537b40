// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestScores.h"

#include <algorithm>
#include <cstdint>

#include "Format.h"
#include "TextFile.h"
#include "TokenReader.h"

namespace jitsu {

void TestScores::clear() {
    // One fill over the whole block, which compilers turn into a memset (-1 is all ones).
    std::fill_n(&scores[0][0][0],
                std::size(scores) * std::size(scores[0]) * std::size(scores[0][0]), kNoScore);
}

void parseScores(std::string_view text, const GradeData& grade, TestScores& scores,
                 FileFindings* health, int test) {
    // The highest score each subject may have: its full marks where the test gives it.
    std::int32_t highest[kMaxSubjects];
    for (int j = 0; j < grade.subjects(); ++j)
        highest[j] = test >= 1 && test <= grade.tests() && grade.isGiven(test - 1, j)
                         ? std::min(grade.fullMarks[test - 1][j], kMaxFullMarks)
                         : kMaxFullMarks;
    scores.clear();
    TokenReader in(text, health);
    // Reads past the end, or past a token that is no whole number, change nothing: a short or
    // damaged file stops the loops there.
    for (int c = 0; c < grade.classes() && !in.exhausted(false); ++c)
        for (int s = 0; s < kSlots && !in.exhausted(false); ++s)
            for (int j = 0; j < grade.subjects(); ++j) {
                std::int32_t& score = scores.scores[j][c][s];
                if (in.readInt(score) && !in.checkRange(score, kNoScore, highest[j], N_("score")))
                    score = kNoScore;
            }
    in.finish();
    if (health) health->valuesExpected = scoreFileValues(grade);
}

std::size_t scoreFileValues(const GradeData& grade) {
    return std::size_t(grade.classCount) * kSlots * grade.subjectCount;
}

Status readScores(const std::filesystem::path& path, const GradeData& grade, TestScores& scores,
                  FileFindings* health, int test) {
    std::string text;
    if (Status s = readTextFile(path, kMaxScoreFileBytes, text, health); !s) {
        scores.clear();
        return s;
    }
    parseScores(text, grade, scores, health, test);
    return Status::ok();
}

std::string formatScores(const GradeData& grade, const TestScores& scores) {
    std::string out;
    out.reserve(static_cast<std::size_t>(grade.classes()) * kSlots * (grade.subjects() * 4 + 2));
    for (int c = 0; c < grade.classes(); ++c)
        for (int s = 0; s < kSlots; ++s) {
            for (int j = 0; j < grade.subjects(); ++j) {
                appendInt(out, scores.scores[j][c][s]);
                out += ' ';
            }
            out += "\r\n";
        }
    return out;
}

Status writeScores(const std::filesystem::path& path, const GradeData& grade,
                   const TestScores& scores) {
    return writeFileAtomically(path, formatScores(grade, scores));
}

}  // namespace jitsu
