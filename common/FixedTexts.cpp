// SPDX-License-Identifier: GPL-3.0-or-later
#include "FixedTexts.h"

#include "TestList.h"

namespace jitsu {

std::string fixedYearText(unsigned year, Era era) {
    std::string text = "  ";
    text += printedYear(year, era);
    return text + "年度";
}

std::string fixedTestText(int testNumber) { return "  " + testLabel(testNumber); }

}  // namespace jitsu
