// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScoreFileMerge.h"

#include <memory>

#include "MessageTexts.h"
#include "ScoreMerge.h"
#include "ScoreMergeQuestions.h"

namespace jitsu {

FileMergeResult mergeIntoScoreFile(const std::filesystem::path& scoreFile, const GradeData& grade,
                                   const GradeRoster& roster, const TestScores& base,
                                   const TestScores& ours, Messages& messages) {
    auto theirs = std::make_unique<TestScores>();
    FileFindings health;
    Status read = readScores(scoreFile, grade, *theirs, &health);
    if (!read && !read.isMissing()) return {FileMergeOutcome::Failed, std::move(read)};
    // A file written before the classes or subjects were changed is replaced only when told.
    if (read && !checkShape(health).fits &&
        messages.ask(replaceQuestion(scoreFile), text::kConfirm, MessageIcon::Exclamation,
                     MessageButtons::YesNo, MessageAnswer::No) != MessageAnswer::Yes)
        return {FileMergeOutcome::Cancelled};
    FileMergeResult result;
    auto saved = std::make_unique<TestScores>();
    const MergeResult merged =
        saveScoreCells(scoreFile, grade, base, changedCells(grade, base, ours),
                       conflictAsker(grade, roster, messages, &result.conflicts), *saved);
    if (merged.outcome == MergeOutcome::Cancelled) result.outcome = FileMergeOutcome::Cancelled;
    if (merged.outcome == MergeOutcome::Failed) {
        result.outcome = FileMergeOutcome::Failed;
        result.status = merged.status;
    }
    return result;
}

}  // namespace jitsu
