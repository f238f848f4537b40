// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

#include "BasicData.h"
#include "Messages.h"
#include "Roster.h"
#include "Status.h"
#include "TestScores.h"

namespace jitsu {

// Saving scores that were not typed in a session (an import) as a second score entry terminal
// saves: the file is read again, what it holds is merged cell by cell with ScoreMerge against
// `base` (what the scores were made from: every -1 for scores that start from nothing), and the
// merged scores replace the file atomically. This is the one place an import writes scores.
enum class FileMergeOutcome { Written, Cancelled, Failed };
struct FileMergeResult {
    FileMergeOutcome outcome = FileMergeOutcome::Written;
    Status status = Status::ok();  // for Failed: the file and the cause
    int conflicts = 0;             // cells the file and `ours` both changed, differently
};

// A file whose count of values does not fit `grade` is replaced only after a Yes to the question
// a save asks before replacing such a file (replaceQuestion). The cells where `ours` differs from
// `base` are saved with saveScoreCells (under the folder's lock, questions outside it); cells the
// file changed to other values are asked about with the conflict question (conflictAsker, the
// students named from `roster`). A missing file is a test without scores; one that cannot be read
// or written fails, the file left as it was.
FileMergeResult mergeIntoScoreFile(const std::filesystem::path& scoreFile, const GradeData& grade,
                                   const GradeRoster& roster, const TestScores& base,
                                   const TestScores& ours, Messages& messages);

}  // namespace jitsu
