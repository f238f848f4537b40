#include "ScoreFileMerge.h"

#include <memory>

#include "MessageTexts.h"
#include "ScoreMerge.h"
#include "ScoreSession.h"

namespace jitsu {

std::string conflictCells(const GradeData& grade, const TestScores& base, const TestScores& ours,
                          const TestScores& theirs) {
    std::string lines;
    for (int c = 0; c < grade.classes(); ++c)
        for (int s = 0; s < kSlots; ++s)
            for (int j = 0; j < grade.subjects(); ++j) {
                const int b = base.scores[j][c][s], o = ours.scores[j][c][s],
                          t = theirs.scores[j][c][s];
                if (o == b || t == b || o == t) continue;
                lines += grade.classNames[c].utf8() + "組 " + std::to_string(s + 1) + "番 " +
                         grade.subjectNames[j].utf8() + "：ファイル " + std::to_string(t) +
                         "、こちら " + std::to_string(o) + "\n";
            }
    return lines;
}

FileMergeResult mergeIntoScoreFile(const std::filesystem::path& scoreFile, const GradeData& grade,
                                   const TestScores& base, const TestScores& ours,
                                   Messages& messages) {
    auto theirs = std::make_unique<TestScores>();
    FileHealth health;
    Status read = readScores(scoreFile, grade, *theirs, &health);
    if (!read && !read.isMissing()) return {FileMergeOutcome::Failed, std::move(read)};
    // A file written before the classes or subjects were changed is replaced only when told.
    if (read && !checkShape(health).fits &&
        messages.ask(replaceQuestion(scoreFile), text::kConfirm, MessageIcon::Exclamation,
                     MessageButtons::YesNo, MessageAnswer::No) != MessageAnswer::Yes)
        return {FileMergeOutcome::Cancelled};
    auto merged = std::make_unique<TestScores>(ours);
    FileMergeResult result;
    result.conflicts = countConflicts(grade, base, ours, *theirs);
    bool oursOnConflict = true;
    if (result.conflicts) {
        const MessageAnswer answer =
            messages.ask(conflictQuestion(result.conflicts), text::kConfirm, MessageIcon::Question,
                         MessageButtons::YesNoCancel, MessageAnswer::Cancel,
                         conflictCells(grade, base, ours, *theirs));
        if (answer == MessageAnswer::Cancel) {
            result.outcome = FileMergeOutcome::Cancelled;
            return result;
        }
        oursOnConflict = answer == MessageAnswer::Yes;
    }
    mergeScores(grade, base, *merged, *theirs, oursOnConflict);
    if (Status written = writeScores(scoreFile, grade, *merged); !written) {
        result.outcome = FileMergeOutcome::Failed;
        result.status = std::move(written);
    }
    return result;
}

}  // namespace jitsu
