// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

#include "Limits.h"

namespace jitsu {

// The nine subject combinations, in index order (the order of the report's columns).
enum Combination : int {
    Eikokusu,
    Kyouka5,
    Eisuri,
    Eikokusha,
    Eikoku,
    Eisu,
    Kokusu,
    Eikokusuri,
    Eikokususha
};

struct SubjectCombination {
    std::string_view name;  // "Eikokusu" …
    std::string_view shortLabel;  // on the report and the class list: "英国数" … "３＋理", "３＋社"
    std::string_view longLabel;  // on the top-scorer and frequency lists: … "英国数理", "英国数社"
    // members[d] for discipline numbers d = 1 … 5; Kyouka5 takes every subject of the grade.
    std::array<bool, kDisciplines + 1> members;
    bool everySubject;
    int required;  // a total exists with exactly this many member scores
};

inline constexpr std::array<SubjectCombination, kCombinations> kSubjectCombinations = {{
    {"Eikokusu", "英国数", "英国数", {false, true, true, true, false, false}, false, 3},
    {"Kyouka5", "５教科", "５教科", {false, true, true, true, true, true}, true, 5},
    {"Eisuri", "英数理", "英数理", {false, true, false, true, true, false}, false, 3},
    {"Eikokusha", "英国社", "英国社", {false, true, true, false, false, true}, false, 3},
    {"Eikoku", "英国", "英国", {false, true, true, false, false, false}, false, 2},
    {"Eisu", "英数", "英数", {false, true, false, true, false, false}, false, 2},
    {"Kokusu", "国数", "国数", {false, false, true, true, false, false}, false, 2},
    {"Eikokusuri", "３＋理", "英国数理", {false, true, true, true, true, false}, false, 4},
    {"Eikokususha", "３＋社", "英国数社", {false, true, true, true, false, true}, false, 4},
}};

// The orders of the combinations in the results file (index at each position) and the display
// order of the summary lists ("英数" before "英国").
inline constexpr std::array<int, kCombinations> kOrderA = {0, 1, 2, 3, 5, 4, 6, 8, 7};  // records
inline constexpr std::array<int, kCombinations> kOrderB = {0, 1, 3, 2, 5, 4, 6, 8, 7};  // summary
inline constexpr std::array<int, kCombinations> kOrderC = {1, 0, 2, 3, 4, 5, 6, 7, 8};  // flags
inline constexpr std::array<int, kCombinations> kDisplayOrder = {0, 1, 2, 3, 5, 4, 6, 7, 8};

// Which combinations are computed, by index.
using CombinationSet = std::array<bool, kCombinations>;

// The boxes ticked once the test is chosen: "英国数" for the first test, and "５教科", "英数理"
// and "英国社" as well for every later one.
inline constexpr CombinationSet defaultCombinations(int test) {
    CombinationSet ticked{};
    ticked[Eikokusu] = true;
    if (test > 1) ticked[Kyouka5] = ticked[Eisuri] = ticked[Eikokusha] = true;
    return ticked;
}

}  // namespace jitsu
