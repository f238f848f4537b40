#include "ScoreMerge.h"

namespace jitsu {

namespace {

// Calls `cell(base, ours, theirs)` for every cell of the grade; `ours` may be const or not.
template <typename Ours, typename Cell>
void forEachCell(const GradeData& grade, const TestScores& base, Ours& ours,
                 const TestScores& theirs, Cell cell) {
    for (int j = 0; j < grade.subjects(); ++j)
        for (int c = 0; c < grade.classes(); ++c)
            for (int s = 0; s < kSlots; ++s)
                cell(base.scores[j][c][s], ours.scores[j][c][s], theirs.scores[j][c][s]);
}

bool conflicting(int base, int ours, int theirs) {
    return ours != base && theirs != base && ours != theirs;
}

}  // namespace

int countConflicts(const GradeData& grade, const TestScores& base, const TestScores& ours,
                   const TestScores& theirs) {
    int conflicts = 0;
    forEachCell(grade, base, ours, theirs,
                [&](int b, int o, int t) { conflicts += conflicting(b, o, t); });
    return conflicts;
}

void mergeScores(const GradeData& grade, const TestScores& base, TestScores& ours,
                 const TestScores& theirs, bool oursOnConflict) {
    forEachCell(grade, base, ours, theirs, [&](int b, std::int32_t& o, int t) {
        if (t == b) return;  // only we changed it, or nobody did
        if (o == b || !oursOnConflict) o = t;
    });
}

}  // namespace jitsu
