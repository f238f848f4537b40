// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScoreMergeQuestions.h"

#include <algorithm>

#include "Cp932.h"
#include "FileSystem.h"
#include "MessageTexts.h"
#include "ScoreMergeTexts.h"

namespace jitsu {

namespace {

std::string shownValue(std::int32_t score) {
    return score < 0 ? std::string(text::kNoScore) : std::to_string(score);
}

}  // namespace

std::string conflictQuestion(const GradeData& grade, const GradeRoster& roster,
                             const std::vector<ScoreConflict>& conflicts) {
    std::string question = text::kConflictCount;
    question += std::to_string(conflicts.size());
    question += text::kConflictCountEnd;
    const std::size_t listed = std::min(conflicts.size(), kConflictsListed);
    for (std::size_t i = 0; i < listed; ++i) {
        const ScoreConflict& c = conflicts[i];
        const int entry = roster.entryOf(c.cell.cls, c.cell.slot);
        question += '\n';
        question += roster.numberAt(entry).utf8();
        question += ' ';
        question += roster.nameAt(entry).utf8();
        question += "　";
        question += grade.subjectNames[c.cell.subject].utf8();
        question += text::kConflictOurs;
        question += shownValue(c.cell.value);
        question += text::kConflictFile;
        question += shownValue(c.fileValue);
    }
    if (conflicts.size() > listed) {
        question += '\n';
        question += text::kConflictMore;
        question += std::to_string(conflicts.size() - listed);
        question += text::kConflictMoreEnd;
    }
    question += '\n';
    return question += text::kConflictRest;
}

ConflictQuestion conflictAsker(const GradeData& grade, const GradeRoster& roster,
                               Messages& messages, int* asked) {
    return [&grade, &roster, &messages, asked](const std::vector<ScoreConflict>& conflicts) {
        if (asked) *asked = static_cast<int>(conflicts.size());
        switch (messages.ask(conflictQuestion(grade, roster, conflicts), text::kConfirm,
                             MessageIcon::Question, MessageButtons::YesNoCancel,
                             MessageAnswer::Cancel)) {
            case MessageAnswer::Yes:
                return ConflictChoice::KeepOurs;
            case MessageAnswer::No:
                return ConflictChoice::TakeFile;
            default:
                return ConflictChoice::Cancel;
        }
    };
}

std::string replaceQuestion(const std::filesystem::path& scoreFile) {
    return text::kShapeFile + utf8FromPath(scoreFile.filename()) + text::kReplaceRest;
}

}  // namespace jitsu
