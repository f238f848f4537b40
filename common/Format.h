// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace jitsu {

// printf-style formatting of numbers that does not depend on the process's locale (the Qt
// programs set the locale from the environment, which would change the decimal point).

// "%d", or "%Nd" with `width` > 0 (right-aligned, padded with blanks).
std::string formatInt(long long value, int width = 0);

// "%.Pf" or "%W.Pf": fixed notation with `decimals` digits, right-aligned in `width`.
std::string formatFixed(double value, int decimals, int width = 0);
// Appends formatFixed(value, decimals) to `out` (and `value` as "%d" for appendInt), without a
// string of its own: a results file writes a hundred thousand of them.
void appendFixed(std::string& out, double value, int decimals);
void appendInt(std::string& out, long long value);

}  // namespace jitsu
