// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "EditorChecks.h"

namespace jitsu {

// The text of the box that refuses to save: the heading, one line per finding (the first
// kListedFindings, then how many more), and the question whether to go back and correct them.
inline constexpr int kListedFindings = 15;
std::string refusalText(const std::vector<EditorFinding>& findings);

// The question before saving the classes of emptyClasses: one line per class (the first
// kListedFindings, then how many more), and whether to save all the same.
std::string emptyClassQuestion(const std::vector<EditorFinding>& findings);

}  // namespace jitsu
