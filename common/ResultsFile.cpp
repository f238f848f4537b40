// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsFile.h"

#include <algorithm>
#include <cstdint>

#include "Combinations.h"
#include "Format.h"
#include "Statistics.h"
#include "TextFile.h"
#include "TokenReader.h"

namespace jitsu {

namespace {

// The counts of the grade as far as the record reaches.
int classesOf(const GradeData& grade) {
    return static_cast<int>(std::min<std::uint32_t>(grade.classCount, kMaxClasses));
}
int subjectsOf(const GradeData& grade) {
    return static_cast<int>(std::min<std::uint32_t>(grade.subjectCount, kMaxSubjects));
}

// "%d " and "%f " (the float widened to double, six decimals, no locale).
void appendValue(std::string& out, std::int32_t value) {
    appendInt(out, value);
    out += ' ';
}
void appendValue(std::string& out, float value) {
    appendFixed(out, static_cast<double>(value), 6);
    out += ' ';
}

}  // namespace

std::string formatResultsFile(const GradeData& grade, const GradeResults& r) {
    const int classes = classesOf(grade);
    const int subjects = subjectsOf(grade);
    std::string out;
    out.reserve(static_cast<std::size_t>(classes) * kSlots * (subjects + kCombinations) * 16);
    for (int c = 0; c < classes; ++c)
        for (int s = 0; s < kSlots; ++s) {
            for (int j = 0; j < subjects; ++j) appendValue(out, r.scores[j][c][s]);
            for (int k : kOrderA) appendValue(out, r.comboTotals[k][c][s]);
            out += "\r\n";
            for (int j = 0; j < subjects; ++j) appendValue(out, r.subjectDeviations[j][c][s]);
            for (int k : kOrderA) appendValue(out, r.comboDeviations[k][c][s]);
            out += "\r\n";
            for (int j = 0; j < subjects; ++j) appendValue(out, r.subjectRanks[j][c][s]);
            for (int k : kOrderA) appendValue(out, r.comboRanks[k][c][s]);
            out += "\r\n";
        }
    for (int j = 0; j < subjects; ++j) {
        appendValue(out, r.subjectExaminees[j]);
        appendValue(out, r.subjectAverages[j]);
    }
    out += "\r\n";
    for (int k : kOrderB) {
        appendValue(out, r.comboExaminees[k]);
        appendValue(out, r.comboAverages[k]);
    }
    out += "\r\n";
    for (std::size_t p = 0; p < kOrderC.size(); ++p) {
        if (p > 0) out += ' ';
        out += std::to_string(r.comboFlags[kOrderC[p]]);
    }
    return out;
}

Status writeResultsFile(const std::filesystem::path& path, const GradeData& grade,
                        const GradeResults& results) {
    return writeFileAtomically(path, formatResultsFile(grade, results));
}

namespace {

// The results reader's reads, each with its value's range: a value outside is recorded in the
// health and read as "no value", so that nothing later computes with it.
class RangedReader {
public:
    explicit RangedReader(TokenReader& in) : in_(in) {}

    void integer(std::int32_t& value, std::int32_t high, const char* what,
                 std::int32_t low = INT32_MIN) {
        if (in_.readInt(value) && !in_.checkRange(value, low, high, what)) value = kNoScore;
    }
    void real(float& value, double low, double high, const char* what) {
        if (!in_.readFloat(value) || (value >= low && value <= high)) return;
        in_.rejectLast(because(N_("{1} {2} outside {3}..{4}"), Reason(what), formatFixed(value, 1),
                               formatFixed(low, 0), formatFixed(high, 0)));
        value = kNoValue;
    }

private:
    TokenReader& in_;
};

constexpr std::int32_t kMaxTotal = kMaxFullMarks * kMaxSubjects;
constexpr std::int32_t kMaxExaminees = kMaxClasses * kSlots;
// Far beyond any deviation score a grade can give ((x - mean) / sd · 10 + 50 with at most
// kMaxExaminees students stays within about ±300).
constexpr double kDeviationBound = 1000;

}  // namespace

void parseResultsFile(std::string_view text, const GradeData& grade, GradeResults& r,
                      FileFindings* health) {
    const int classes = classesOf(grade);
    const int subjects = subjectsOf(grade);
    TokenReader tokens(text, health);
    RangedReader in(tokens);
    // Reads past the end, or past a token that is no number, change nothing: a short or damaged
    // file stops the loops there.
    for (int c = 0; c < classes && !tokens.exhausted(true); ++c)
        for (int s = 0; s < kSlots && !tokens.exhausted(true); ++s) {
            for (int j = 0; j < subjects; ++j)
                in.integer(r.scores[j][c][s], kMaxFullMarks, N_("score"));
            for (int k : kOrderA) in.integer(r.comboTotals[k][c][s], kMaxTotal, N_("total"));
            for (int j = 0; j < subjects; ++j)
                in.real(r.subjectDeviations[j][c][s], -kDeviationBound, kDeviationBound,
                        N_("deviation score"));
            for (int k : kOrderA)
                in.real(r.comboDeviations[k][c][s], -kDeviationBound, kDeviationBound,
                        N_("deviation score"));
            for (int j = 0; j < subjects; ++j)
                in.integer(r.subjectRanks[j][c][s], kMaxExaminees, N_("rank"));
            for (int k : kOrderA) in.integer(r.comboRanks[k][c][s], kMaxExaminees, N_("rank"));
        }
    for (int j = 0; j < subjects; ++j) {
        in.integer(r.subjectExaminees[j], kMaxExaminees, N_("examinees"), 0);
        in.real(r.subjectAverages[j], kNoValue, kMaxFullMarks, N_("average"));
    }
    for (int k : kOrderB) {
        in.integer(r.comboExaminees[k], kMaxExaminees, N_("examinees"), 0);
        in.real(r.comboAverages[k], kNoValue, kMaxTotal, N_("average"));
    }
    for (int k : kOrderC) in.integer(r.comboFlags[k], 1, N_("computed flag"), 0);
    tokens.finish();
    if (health) health->valuesExpected = resultsFileValues(grade);
}

std::size_t resultsFileValues(const GradeData& grade) {
    const std::size_t perSlot = 3 * std::size_t(subjectsOf(grade) + kCombinations);
    return std::size_t(classesOf(grade)) * kSlots * perSlot + 2 * subjectsOf(grade) +
           2 * kOrderB.size() + kOrderC.size();
}

Status readResultsFile(const std::filesystem::path& path, const GradeData& grade,
                       GradeResults& results, FileFindings* health) {
    resetGradeResults(results);
    std::string text;
    if (Status s = readTextFile(path, kMaxResultsFileBytes, text, health); !s) return s;
    parseResultsFile(text, grade, results, health);
    return Status::ok();
}

}  // namespace jitsu
