// SPDX-License-Identifier: GPL-3.0-or-later
#include "StudentHistory.h"

#include "Combinations.h"

namespace jitsu::history {

std::vector<HistoryColumn> historyColumns(const GradeData& grade, const YearResults& year) {
    std::vector<HistoryColumn> columns;
    for (int j = 0; j < grade.subjects(); ++j)
        columns.push_back({grade.subjectNames[j].utf8(), false, j});
    for (int k = 0; k < kCombinations; ++k)
        for (const TestResults& test : year.tests)
            if (test.results->comboFlags[k] == 1) {
                columns.push_back({std::string(kSubjectCombinations[k].shortLabel), true, k});
                break;
            }
    return columns;
}

HistoryCell cellOf(const GradeResults& results, const HistoryColumn& column, int cls, int slot) {
    const int i = column.index;
    HistoryCell cell;
    if (!column.combination)
        cell = {results.scores[i][cls][slot], results.subjectDeviations[i][cls][slot],
                results.subjectRanks[i][cls][slot], results.subjectExaminees[i]};
    else if (results.comboFlags[i] == 1)
        cell = {results.comboTotals[i][cls][slot], results.comboDeviations[i][cls][slot],
                results.comboRanks[i][cls][slot], results.comboExaminees[i]};
    // Without a score the student was absent, whatever else the file holds for the slot.
    return cell.score >= 0 ? cell : HistoryCell{};
}

}  // namespace jitsu::history
