// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Limits.h"

namespace jitsu {

// The numbers from 1 to `max` that `text` names, separated by commas, blanks or both ("1,3",
// "1 3", "1, 3"), each written as a whole number ("03" and "+3" included), in the order given;
// nullopt when an item is no such number. An empty text names none.
std::optional<std::vector<int>> numbersNamed(std::string_view text, int max);

// The classes of a grade of `classCount` classes that `text` names (as numbersNamed), one flag
// per class; every class for an empty text. The window's class box and the command line's
// --classes both read it.
std::optional<std::array<bool, kMaxClasses>> classesNamed(std::string_view text, int classCount);

// What a window's box says of a class text that classesNamed refused (UTF-8).
std::string classListHint(int classCount);

}  // namespace jitsu
