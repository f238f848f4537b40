// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "BasicData.h"
#include "Messages.h"
#include "Roster.h"
#include "ScoreMerge.h"

namespace jitsu {

// The questions a save of scores asks, whether score entry saves or an import does.

// The question before a save replaces a score file whose count of values does not fit the basic
// data.
std::string replaceQuestion(const std::filesystem::path& scoreFile);

// The question when another session changed the same scores: はい keeps ours, いいえ theirs.
// It names the count and lists the first kConflictsListed cells: number and name of the student,
// subject, this session's value and the file's.
inline constexpr std::size_t kConflictsListed = 10;
std::string conflictQuestion(const GradeData& grade, const GradeRoster& roster,
                             const std::vector<ScoreConflict>& conflicts);

// Asks conflictQuestion through `messages`: はい keeps ours, いいえ the file's, キャンセル (the
// safe answer) writes nothing. `asked`, when given, gets the count of the last question's cells.
ConflictQuestion conflictAsker(const GradeData& grade, const GradeRoster& roster,
                               Messages& messages, int* asked = nullptr);

}  // namespace jitsu
