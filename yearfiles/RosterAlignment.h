// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "BasicData.h"
#include "Messages.h"
#include "RosterChange.h"
#include "Status.h"

namespace jitsu::yearfiles {

// A roster against the copy its grade's score files are aligned to (alignedRosterPath),
// which the suite writes with every roster it writes and every time it carries the scores.
enum class RosterAlignment {
    Aligned,       // the same bytes, or no roster at all
    Unremembered,  // no copy yet (a folder of an older release)
    Edited,        // changed since (by hand, in a text editor or a spreadsheet)
};
RosterAlignment rosterAlignment(const std::filesystem::path& roster);

// For a grade whose roster is its aligned copy: a copy of an older release, or one of a grade
// without score files, learns the present head counts as its class sizes; otherwise sizes other
// than the head counts are kept, for the roster that goes with the new counts.
void rememberClassSizes(const std::filesystem::path& dir, const BasicData& data, int grade);

// Plans carrying grade `grade`'s (1 … 3) score files of `year` from the students of the
// aligned copy, placed by its class sizes, to those of the roster as it is now, placed by the
// head counts (planScoreCarry); `plan.rosterBytes` holds the roster as read. Without a copy
// (or one that cannot be read), or without score files, the plan carries nothing and only
// remembers the roster with the head counts. Fails naming the file that cannot be read.
Status planRosterEdit(const std::filesystem::path& dir, const BasicData& data, unsigned year,
                      int grade, RosterReplacement& plan);

// Rewrites the plan's score files, then makes the roster the aligned copy; all or nothing,
// also when the roster or a score file changed since the plan (then nothing is written).
Status alignScoresToRoster(const RosterReplacement& plan);

// What a program that shows or writes scores does at start-up, for every grade of the basic
// data's year: a roster without a copy, or changed while its grade has no score files, is
// remembered silently, and so are class sizes (rememberClassSizes); one changed while there
// are score files brings the import's question (where each student's scores go) and, on yes,
// the scores are carried. On no nothing is written and the question comes again next time.
// One whose number of lines changed while the head counts did not (they still add up to the
// copy's) is not carried: a warning asks for the head counts first. Returns the grades (1 … 3)
// whose scores are left aligned to the old roster (declined, or the carry failed, which is
// announced).
std::vector<int> alignScoresAtStartUp(const std::filesystem::path& dir, const BasicData& data,
                                      Messages& messages);

// The warning after alignScoresAtStartUp left `grades` on their old rosters (UTF-8): that
// scores may show on other students; "" when there are none.
std::string misalignedScoresWarning(const std::vector<int>& grades);

}  // namespace jitsu::yearfiles
