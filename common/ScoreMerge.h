// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "BasicData.h"
#include "Status.h"
#include "TestScores.h"

namespace jitsu {

// Saving scores into a score file that other sessions save into too, cell by cell against what
// the saver last read (its base): a cell the file still holds as in the base takes the saver's
// value; a cell the file changed since to another value is a conflict, settled by a question.

// One cell to save: subject, class, slot (0 … 44) and the value.
struct ScoreCell {
    int subject = 0, cls = 0, slot = 0;
    std::int32_t value = -1;
    bool operator==(const ScoreCell&) const = default;
};

// A cell to save that the file changed since the base, to a value other than the one to save.
struct ScoreConflict {
    ScoreCell cell;
    std::int32_t baseValue = -1, fileValue = -1;
    bool operator==(const ScoreConflict&) const = default;
};

enum class ConflictChoice { KeepOurs, TakeFile, Cancel };
// Asked with every conflict of a save, in the order of the cells; never while the lock is held.
using ConflictQuestion = std::function<ConflictChoice(const std::vector<ScoreConflict>&)>;

// The cells of the grade where `ours` differs from `base`, subject by subject, class by class.
std::vector<ScoreCell> changedCells(const GradeData& grade, const TestScores& base,
                                    const TestScores& ours);

enum class MergeOutcome { Written, Cancelled, Failed };
struct MergeResult {
    MergeOutcome outcome = MergeOutcome::Written;
    Status status = Status::ok();  // for Failed: the reason, naming the file
};

// Saves `cells` into the score file `file` of `grade`. Under the folder's SaveLock (SaveLock.h)
// the file is read (one that cannot be read counts as holding `base`), the cells are put in and
// the file is written; the lock is held for that alone. When the file holds conflicts, the lock
// is let go and `ask` is called; after its answer the file is read and merged afresh, and asked
// about again when its conflicts are no longer the ones answered. Cancel writes nothing. On
// Written, `saved` holds exactly what the file now holds (the caller's next base); otherwise it
// is unspecified. With `test` (1-based) the file is read as readScores reads it for that test:
// a score above its subject's full marks there is none, and is not written back.
MergeResult saveScoreCells(const std::filesystem::path& file, const GradeData& grade,
                           const TestScores& base, const std::vector<ScoreCell>& cells,
                           const ConflictQuestion& ask, TestScores& saved, int test = 0);

}  // namespace jitsu
