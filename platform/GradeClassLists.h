// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

#include "Limits.h"

class QPushButton;
class QWidget;

namespace jitsu {

struct BasicData;
class CheckListBox;

// Where the class lists' buttons stand: the left edge of grade 1's two buttons (the other
// grades' follow 88 pixels apart, like the lists) and their width. The defaults are
// reportcard's; proofsheet's buttons stand at 152 and are 65 wide.
struct GradeClassListsGeometry {
    int buttonLeft = 144;
    int buttonWidth = 73;
};

// The three grades' class lists of a printing window, made on `window`: the labels
// `Label1` … `Label3` ("１年" …), the check-list boxes `CheckListBox1` … `CheckListBox3` at
// (144, 40), (232, 40), (320, 40), each with its "全選択" button `G1Button` … (y 264) and its
// "全クリアー" button `G1DButton` … (y 288). Boxes and buttons are empty and disabled until
// fill(). Index 0 is grade 1; item k of a box is class k+1 of its grade. A grade's 全選択 ticks
// every class of its box, its 全クリアー clears them.
class GradeClassLists {
public:
    explicit GradeClassLists(QWidget* window, const GradeClassListsGeometry& geometry = {});

    // For grades 1, 2, 3 in turn: enables the box, lists the grade's class names in class order
    // and ticks them all; then enables the six buttons and gives grade 1's box the focus.
    void fill(const BasicData& data);

    bool anyChecked(int grade) const;
    std::vector<bool> checkedClasses(int grade) const;

private:
    std::array<CheckListBox*, kGrades> checkListBoxes_;
    std::array<QPushButton*, kGrades> selectButtons_;  // G1Button …
    std::array<QPushButton*, kGrades> clearButtons_;   // G1DButton …
};

}  // namespace jitsu
