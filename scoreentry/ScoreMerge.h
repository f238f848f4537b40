#pragma once

#include "BasicData.h"
#include "TestScores.h"

namespace jitsu {

// Merging the scores of a session with those another session saved meanwhile, cell by cell
// against what this session read (the base): a cell only one side changed takes that side's
// value; a cell both changed to different values is a conflict, settled for one side.
// Only the grade's subjects, classes and slots are looked at.

// The number of cells that both `ours` and `theirs` changed from `base`, to different values.
int countConflicts(const GradeData& grade, const TestScores& base, const TestScores& ours,
                   const TestScores& theirs);

// Merges `theirs` into `ours`; conflicts keep ours when `oursOnConflict`, else take theirs.
void mergeScores(const GradeData& grade, const TestScores& base, TestScores& ours,
                 const TestScores& theirs, bool oursOnConflict);

}  // namespace jitsu
