#include "FixedTexts.h"

#include "TestList.h"

namespace jitsu {

std::string fixedYearText(unsigned year) {
    std::string digits = std::to_string(year);
    for (int pos = static_cast<int>(digits.size()) - 3; pos > 0; pos -= 3) digits.insert(pos, ",");
    return "  " + digits + "年度";
}

std::string fixedTestText(int testNumber) { return "  " + testLabel(testNumber); }

}  // namespace jitsu
