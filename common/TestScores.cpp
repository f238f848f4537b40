#include "TestScores.h"

#include "TextFile.h"
#include "TokenReader.h"

namespace jitsu {

void TestScores::clear() {
    for (auto& subject : scores)
        for (auto& cls : subject)
            for (auto& score : cls) score = kNoScore;
}

void parseScores(std::string_view text, const GradeData& grade, TestScores& scores) {
    TokenReader in(text);
    for (int c = 0; c < grade.classes(); ++c)
        for (int s = 0; s < kSlots; ++s)
            for (int j = 0; j < grade.subjects(); ++j) in.readInt(scores.scores[j][c][s]);
}

bool readScores(const std::filesystem::path& path, const GradeData& grade, TestScores& scores) {
    for (int j = 0; j < grade.subjects(); ++j)
        for (int c = 0; c < grade.classes(); ++c)
            for (int s = 0; s < kSlots; ++s) scores.scores[j][c][s] = kNoScore;
    auto text = readTextFile(path);
    if (!text) return false;
    parseScores(*text, grade, scores);
    return true;
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

Status writeScores(const std::filesystem::path& path, const GradeData& grade, const TestScores& scores) {
    return writeFileAtomically(path, formatScores(grade, scores));
}

}  // namespace jitsu
