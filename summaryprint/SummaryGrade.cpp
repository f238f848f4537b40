// SPDX-License-Identifier: GPL-3.0-or-later
#include "SummaryGrade.h"

#include "Combinations.h"

namespace jitsu::summaryprint {

std::vector<int> computedCombinations(const GradeResults& results) {
    std::vector<int> computed;
    for (int k : kDisplayOrder)
        if (results.comboFlags[k] == 1) computed.push_back(k);
    return computed;
}

}  // namespace jitsu::summaryprint
