// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "Limits.h"
#include "Services.h"

namespace jitsu::history {

enum class HistoryPrint { Sheets, Trend };

// The classes named in `text` ("1,3" or "1 3"; empty for all) of a grade of `classCount`
// classes, one flag per class; nullopt when an item is no class number.
std::optional<std::array<bool, kMaxClasses>> classesNamed(std::string_view text, int classCount);

// The launcher's print of grade `grade` (1 … 3) for the school year of the folder's basic data:
// the history sheets of the classes named in `classes`, or the grade's trend page. Every
// problem is a box: no basic data or roster, classes that are not the grade's, no results file
// to print from, a results file left out, a printer that failed. An out-of-date results file
// is asked about first (confirmFreshResults).
void printFromFolder(const Services& services, int grade, std::string_view classes,
                     HistoryPrint what);

}  // namespace jitsu::history
