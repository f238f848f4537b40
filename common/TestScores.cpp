#include "TestScores.h"

#include "TextFile.h"
#include "TokenReader.h"

namespace jitsu {

void TestScores::clear() {
    for (auto& subject : scores)
        for (auto& cls : subject)
            for (auto& score : cls) score = kNoScore;
}

void parseScores(std::string_view text, const GradeData& grade, TestScores& scores,
                 FileHealth* health) {
    TokenReader in(text, health);
    for (int c = 0; c < grade.classes(); ++c)
        for (int s = 0; s < kSlots; ++s)
            for (int j = 0; j < grade.subjects(); ++j) in.readInt(scores.scores[j][c][s]);
    in.finish();
    if (health) health->valuesExpected = scoreFileValues(grade);
}

std::size_t scoreFileValues(const GradeData& grade) {
    return std::size_t(grade.classCount) * kSlots * grade.subjectCount;
}

Status readScores(const std::filesystem::path& path, const GradeData& grade, TestScores& scores,
                  FileHealth* health) {
    for (int j = 0; j < grade.subjects(); ++j)
        for (int c = 0; c < grade.classes(); ++c)
            for (int s = 0; s < kSlots; ++s) scores.scores[j][c][s] = kNoScore;
    std::string text;
    if (Status s = readTextFile(path, kMaxScoreFileBytes, text, health); !s) return s;
    parseScores(text, grade, scores, health);
    return Status::ok();
}

std::string formatScores(const GradeData& grade, const TestScores& scores) {
    std::string out;
    out.reserve(static_cast<std::size_t>(grade.classes()) * kSlots * (grade.subjects() * 4 + 2));
    for (int c = 0; c < grade.classes(); ++c)
        for (int s = 0; s < kSlots; ++s) {
            for (int j = 0; j < grade.subjects(); ++j) {
                out += std::to_string(scores.scores[j][c][s]);
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
