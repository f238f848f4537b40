// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestList.h"

namespace jitsu {

std::string testLabel(int testNumber) {
    static const char* const kLabels[] = {"第１回", "第２回", "第３回", "第４回", "第５回",
                                          "第６回", "第７回", "第８回", "第９回", "第１０回"};
    if (testNumber < 1 || testNumber > 10) return {};
    return kLabels[testNumber - 1];
}

std::vector<std::string> testList(int n) {
    std::vector<std::string> list;
    for (int t = 1; t <= n && t <= 10; ++t) list.push_back(testLabel(t));
    return list;
}

int defaultTestIndex(int month, int n) {
    if ((month == 5 || month == 6) && n >= 2) return 1;
    if ((month == 7 || month == 8) && n >= 3) return 2;
    if ((month == 9 || month == 10 || month == 11) && n >= 4) return 3;
    if ((month == 0 || month == 1) && n >= 5) return 4;
    return n >= 1 ? 0 : -1;
}

}  // namespace jitsu
