// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "EditorChecks.h"

namespace jitsu {

// The text of the box that refuses to save: the heading, one line per problem (the first
// kListedProblems, then how many more), and the question whether to go back and correct them.
inline constexpr int kListedProblems = 15;
std::string refusalText(const std::vector<Problem>& problems);

// The question before saving the classes of emptyClasses: one line per class (the first
// kListedProblems, then how many more), and whether to save all the same.
std::string emptyClassQuestion(const std::vector<Problem>& problems);

}  // namespace jitsu
