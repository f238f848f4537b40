// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "BasicData.h"
#include "Status.h"

namespace jitsu::yearfiles {

// The copy of a grade's roster that its score files are aligned to (alignedRosterPath), with
// the size of each class its students were placed by when the scores were last carried: the
// head counts of that day, or the classes an import gave. A head count changed since then
// does not move the scores, so the copy is placed by these sizes, not by today's head counts.
// On disk: a first line "#class-sizes 35 35 34", then the roster's bytes unchanged.
struct AlignedCopy {
    std::string rosterBytes;
    std::vector<unsigned> classSizes;  // empty: not remembered (a copy of an older release)
};

// Reads the copy of roster file `roster`. Fails naming the copy when it cannot be read
// (readFileBytes: missing told apart), or when its first line holds more sizes than a grade
// has classes or a size that is not a number from 0 to the roster's 450 entries. Such a copy
// counts as none: the next roster the suite writes or remembers replaces it.
Status readAlignedCopy(const std::filesystem::path& roster, AlignedCopy& copy);

// Writes the copy of roster file `roster` atomically, roster and sizes in one file.
Status writeAlignedCopy(const std::filesystem::path& roster, const AlignedCopy& copy);

// The head counts of `grade`'s classes, as sizes to remember.
std::vector<unsigned> headCountsOf(const GradeData& grade);

// `grade` with the copy's class sizes as its head counts (0 for a class added since); as it is
// when the copy remembers none.
void placeAsCopied(const AlignedCopy& copy, GradeData& grade);

// The number of entries (lines) readRoster reads from `bytes`, a roster's content.
int rosterLines(std::string_view bytes);

}  // namespace jitsu::yearfiles
