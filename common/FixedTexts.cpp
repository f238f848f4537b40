// SPDX-License-Identifier: GPL-3.0-or-later
#include "FixedTexts.h"

#include "TestList.h"

namespace jitsu {

std::string fixedYearText(unsigned year) {
    const std::string digits = std::to_string(year);
    std::string text = "  ";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text + "年度";
}

std::string fixedTestText(int testNumber) { return "  " + testLabel(testNumber); }

}  // namespace jitsu
