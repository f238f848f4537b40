// SPDX-License-Identifier: GPL-3.0-or-later
#include "FixedTexts.h"

#include "TestList.h"

namespace jitsu {

std::string fixedYearText(unsigned year) {
    std::string text = "  ";
    text += std::to_string(year);
    return text + "年度";
}

std::string fixedTestText(int testNumber) { return "  " + testLabel(testNumber); }

}  // namespace jitsu
