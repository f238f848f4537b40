// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "Era.h"

namespace jitsu {

// The year and the test as the printing windows show them once OK has fixed them, and as the
// printed titles carry them (UTF-8): two blanks, the year as schools write it (no thousands
// separator; printedYear) and "年度" ("  2026年度", "  令和８年度"); two blanks and the test label
// ("  第２回", empty label outside 1 … 10).
std::string fixedYearText(unsigned year, Era era = Era::Seireki);
std::string fixedTestText(int testNumber);

}  // namespace jitsu
