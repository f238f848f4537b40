// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScoreMergeQuestions.h"

#include <algorithm>

#include "Catalogue.h"
#include "Cp932.h"
#include "FileSystem.h"
#include "MessageTexts.h"

namespace jitsu {

namespace {

std::string shownValue(std::int32_t score) {
    return score < 0 ? std::string(tr(N_("none"))) : std::to_string(score);
}

}  // namespace

std::string conflictQuestion(const GradeData& grade, const GradeRoster& roster,
                             const std::vector<ScoreConflict>& conflicts) {
    std::string question = trFormat(N_("Another terminal has changed the same scores ({1})."),
                                    std::vector{std::to_string(conflicts.size())});
    const std::size_t listed = std::min(conflicts.size(), kConflictsListed);
    for (std::size_t i = 0; i < listed; ++i) {
        const ScoreConflict& c = conflicts[i];
        const int entry = roster.entryOf(c.cell.cls, c.cell.slot);
        question += '\n';
        question += trFormat(N_("{1} {2}, {3}: ours {4}, the file's {5}"),
                             std::vector{roster.numberAt(entry).utf8(), roster.nameAt(entry).utf8(),
                                         grade.subjectNames[c.cell.subject].utf8(),
                                         shownValue(c.cell.value), shownValue(c.fileValue)});
    }
    if (conflicts.size() > listed) {
        question += '\n';
        question +=
            trFormat(N_("and {1} more"), std::vector{std::to_string(conflicts.size() - listed)});
    }
    question += '\n';
    return question += tr(N_("Save ours over them? (yes: ours, no: the file's)"));
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
    return trFormat(N_("The score file '{1}' was opened although its counts do not match the "
                       "basic data. Save it in the basic data's present form, replacing the "
                       "file?"),
                    std::vector{utf8FromPath(scoreFile.filename())});
}

}  // namespace jitsu
