// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScoreMerge.h"

#include <optional>

#include "AtomicWrite.h"
#include "SaveLock.h"

namespace jitsu {

namespace {

std::int32_t valueAt(const TestScores& scores, const ScoreCell& cell) {
    return scores.scores[cell.subject][cell.cls][cell.slot];
}

std::vector<ScoreConflict> conflictsOf(const TestScores& base, const TestScores& file,
                                       const std::vector<ScoreCell>& cells) {
    std::vector<ScoreConflict> conflicts;
    for (const ScoreCell& cell : cells) {
        const std::int32_t b = valueAt(base, cell), f = valueAt(file, cell);
        if (f != b && f != cell.value) conflicts.push_back({cell, b, f});
    }
    return conflicts;
}

}  // namespace

std::vector<ScoreCell> changedCells(const GradeData& grade, const TestScores& base,
                                    const TestScores& ours) {
    std::vector<ScoreCell> cells;
    for (int j = 0; j < grade.subjects(); ++j)
        for (int c = 0; c < grade.classes(); ++c)
            for (int s = 0; s < kSlots; ++s)
                if (ours.scores[j][c][s] != base.scores[j][c][s])
                    cells.push_back({j, c, s, ours.scores[j][c][s]});
    return cells;
}

MergeResult saveScoreCells(const std::filesystem::path& file, const GradeData& grade,
                           const TestScores& base, const std::vector<ScoreCell>& cells,
                           const ConflictQuestion& ask, TestScores& saved, int test) {
    std::optional<std::vector<ScoreConflict>> answered;
    ConflictChoice choice = ConflictChoice::KeepOurs;
    for (;;) {
        SaveLock lock;
        if (Status locked = lock.acquire(file); !locked)
            return {MergeOutcome::Failed, std::move(locked)};
        if (!readScores(file, grade, saved, nullptr, test)) saved = base;
        const std::vector<ScoreConflict> conflicts = conflictsOf(base, saved, cells);
        if (!conflicts.empty() && conflicts != answered) {
            lock.release();  // the other terminal may save while the person reads the question
            choice = ask(conflicts);
            if (choice == ConflictChoice::Cancel) return {MergeOutcome::Cancelled};
            answered = conflicts;
            continue;  // the file may have changed meanwhile: merge afresh
        }
        for (const ScoreCell& cell : cells) {
            std::int32_t& inFile = saved.scores[cell.subject][cell.cls][cell.slot];
            if (inFile == valueAt(base, cell) || choice == ConflictChoice::KeepOurs)
                inFile = cell.value;
        }
        if (Status written = writeFileAtomically(file, formatScores(grade, saved)); !written)
            return {MergeOutcome::Failed, std::move(written)};
        return {};
    }
}

}  // namespace jitsu
