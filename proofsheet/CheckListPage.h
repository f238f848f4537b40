// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "BasicData.h"
#include "Canvas.h"
#include "Roster.h"
#include "TestScores.h"

namespace jitsu {

// What the printing of one grade's check lists is asked for. Texts are UTF-8, as the window
// shows them.
struct CheckListRequest {
    int grade = 0;               // 0, 1, 2
    unsigned year = kFirstYear;  // for the file names
    int test = 1;                // 1 … 10
    std::string yearText;        // "  2026年度"
    std::string testText;        // "  第２回"
    std::string monthText;       // the deadline
    std::string dayText;
    std::string placeText;             // the place of submission; may be empty
    int magnification = 100;           // percent, for positions and font sizes alike
    std::vector<bool> checkedClasses;  // entry k for class k+1; missing entries are unchecked
};

// The scores of the student in `slot` of class `cls`: one blank, then "name＝score   " for every
// subject with a score. Slots past the 45 a class holds have no scores.
std::string checkListScoreText(const GradeData& grade, const TestScores& scores, int cls, int slot);

// One check-list page of class `cls`: the title, three lines of instructions with the place and
// the deadline, and one row per student of the class's roster range. Text only.
void drawCheckListPage(Canvas& canvas, const BasicData& data, const CheckListRequest& request,
                       const GradeRoster& roster, const TestScores& scores, int cls);

}  // namespace jitsu
