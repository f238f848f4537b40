// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "BasicData.h"
#include "YearResults.h"

namespace jitsu::history {

// A column of the history table: a subject or a combination.
struct HistoryColumn {
    std::string label;  // UTF-8
    bool combination = false;
    int index = 0;  // subject number or combination index
};

// The grade's subjects, then every combination that any of the year's results files computed,
// in index order.
std::vector<HistoryColumn> historyColumns(const GradeData& grade, const YearResults& year);

// A student's figures in one column of one test; -1 (kNoValue) where the file holds none.
struct HistoryCell {
    std::int32_t score = kNoScore;
    float deviation = kNoValue;
    std::int32_t rank = -1;
    std::int32_t examinees = 0;
};

// The cell of slot `slot` of class `cls`; empty when the slot has no score there (absent) and
// for a combination the test did not compute.
HistoryCell cellOf(const GradeResults& results, const HistoryColumn& column, int cls, int slot);

}  // namespace jitsu::history
