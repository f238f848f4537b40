#include "ResultsFile.h"

#include <algorithm>

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
void appendInt(std::string& out, std::int32_t value) {
    out += std::to_string(value);
    out += ' ';
}
void appendFloat(std::string& out, float value) {
    out += formatFixed(static_cast<double>(value), 6);
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
            for (int j = 0; j < subjects; ++j) appendInt(out, r.scores[j][c][s]);
            for (int k : kOrderA) appendInt(out, r.comboTotals[k][c][s]);
            out += "\r\n";
            for (int j = 0; j < subjects; ++j) appendFloat(out, r.subjectDeviations[j][c][s]);
            for (int k : kOrderA) appendFloat(out, r.comboDeviations[k][c][s]);
            out += "\r\n";
            for (int j = 0; j < subjects; ++j) appendInt(out, r.subjectRanks[j][c][s]);
            for (int k : kOrderA) appendInt(out, r.comboRanks[k][c][s]);
            out += "\r\n";
        }
    for (int j = 0; j < subjects; ++j) {
        appendInt(out, r.subjectExaminees[j]);
        appendFloat(out, r.subjectAverages[j]);
    }
    out += "\r\n";
    for (int k : kOrderB) {
        appendInt(out, r.comboExaminees[k]);
        appendFloat(out, r.comboAverages[k]);
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

void parseResultsFile(std::string_view text, const GradeData& grade, GradeResults& r,
                      FileHealth* health) {
    const int classes = classesOf(grade);
    const int subjects = subjectsOf(grade);
    TokenReader in(text, health);
    for (int c = 0; c < classes; ++c)
        for (int s = 0; s < kSlots; ++s) {
            for (int j = 0; j < subjects; ++j) in.readInt(r.scores[j][c][s]);
            for (int k : kOrderA) in.readInt(r.comboTotals[k][c][s]);
            for (int j = 0; j < subjects; ++j) in.readFloat(r.subjectDeviations[j][c][s]);
            for (int k : kOrderA) in.readFloat(r.comboDeviations[k][c][s]);
            for (int j = 0; j < subjects; ++j) in.readInt(r.subjectRanks[j][c][s]);
            for (int k : kOrderA) in.readInt(r.comboRanks[k][c][s]);
        }
    for (int j = 0; j < subjects; ++j) {
        in.readInt(r.subjectExaminees[j]);
        in.readFloat(r.subjectAverages[j]);
    }
    for (int k : kOrderB) {
        in.readInt(r.comboExaminees[k]);
        in.readFloat(r.comboAverages[k]);
    }
    for (int k : kOrderC) in.readInt(r.comboFlags[k]);
    in.finish();
    if (health) health->valuesExpected = resultsFileValues(grade);
}

std::size_t resultsFileValues(const GradeData& grade) {
    const std::size_t perSlot = 3 * std::size_t(subjectsOf(grade) + kCombinations);
    return std::size_t(classesOf(grade)) * kSlots * perSlot + 2 * subjectsOf(grade) +
           2 * kOrderB.size() + kOrderC.size();
}

Status readResultsFile(const std::filesystem::path& path, const GradeData& grade,
                       GradeResults& results, FileHealth* health) {
    resetGradeResults(results);
    std::string text;
    if (Status s = readTextFile(path, kMaxResultsFileBytes, text, health); !s) return s;
    parseResultsFile(text, grade, results, health);
    return Status::ok();
}

}  // namespace jitsu
