// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "GridLayout.h"
#include "ScoreGrid.h"

using namespace jitsu;

TEST(GridLayout, TwentyThreeStudentsLeftTheRestRight) {
    EXPECT_EQ(cellOfSlot(0), (GridCell{kLeftGrid, 1}));
    EXPECT_EQ(cellOfSlot(22), (GridCell{kLeftGrid, 23}));
    EXPECT_EQ(cellOfSlot(23), (GridCell{kRightGrid, 1}));
    EXPECT_EQ(cellOfSlot(44), (GridCell{kRightGrid, 22}));
    // A header row on each grid; the right one only from 24 students.
    GridRows small = gridRowsFor(23);
    EXPECT_EQ(small.leftRows, 24);
    EXPECT_FALSE(small.rightEnabled);
    GridRows two = gridRowsFor(24);
    EXPECT_EQ(two.leftRows, 24);
    EXPECT_TRUE(two.rightEnabled);
    EXPECT_EQ(two.rightRows, 2);
    EXPECT_EQ(gridRowsFor(45).rightRows, 23);
}

TEST(VirtualKeyOf, TheFiveKeysAndNothingElse) {
    const std::pair<int, int> keys[] = {{Qt::Key_Return, kKeyEnter}, {Qt::Key_Enter, kKeyEnter},
                                        {Qt::Key_Left, kKeyLeft},    {Qt::Key_Up, kKeyUp},
                                        {Qt::Key_Right, kKeyRight},  {Qt::Key_Down, kKeyDown}};
    for (const auto& [key, virtualKey] : keys) EXPECT_EQ(virtualKeyOf(key), virtualKey) << key;
    // Qt's codes of % & ' ( are 37 to 40: they must not pass for arrows.
    for (int key :
         {Qt::Key_Percent, Qt::Key_Ampersand, Qt::Key_Apostrophe, Qt::Key_ParenLeft, Qt::Key_5})
        EXPECT_EQ(virtualKeyOf(key), kKeyOther) << key;
}

struct MoveCase {
    const char* what;
    int grid, key, leftRow, rightRow;
    int rightRows;  // 0: right grid disabled
    std::optional<GridCell> move;
};

class KeyDownMove : public ::testing::TestWithParam<MoveCase> {};

TEST_P(KeyDownMove, Table) {
    const MoveCase& c = GetParam();
    GridState left{c.leftRow, c.rightRows > 0 ? 24 : 21, true};  // 20 students when alone
    GridState right{c.rightRow, c.rightRows > 0 ? c.rightRows : 23, c.rightRows > 0};
    EXPECT_EQ(keyDownMove(c.grid, c.key, left, right), c.move) << c.what;
}

// Thirty students: the right grid has 8 rows (students 24 to 30 in rows 1 to 7).
INSTANTIATE_TEST_SUITE_P(
    Students, KeyDownMove,
    ::testing::Values(
        MoveCase{"Enter 1 → 2", kLeftGrid, kKeyEnter, 1, 1, 8, GridCell{kLeftGrid, 2}},
        MoveCase{"Enter 23 → 24", kLeftGrid, kKeyEnter, 23, 4, 8, GridCell{kRightGrid, 1}},
        MoveCase{"Down 23 → 24", kLeftGrid, kKeyDown, 23, 4, 8, GridCell{kRightGrid, 1}},
        MoveCase{"Down 5: the grid's own", kLeftGrid, kKeyDown, 5, 1, 8, std::nullopt},
        MoveCase{"Right 5 → 28", kLeftGrid, kKeyRight, 5, 1, 8, GridCell{kRightGrid, 5}},
        MoveCase{"Right 10 → 30", kLeftGrid, kKeyRight, 10, 1, 8, GridCell{kRightGrid, 7}},
        MoveCase{"Left 30 → 7", kRightGrid, kKeyLeft, 1, 7, 8, GridCell{kLeftGrid, 7}},
        MoveCase{"Up 24 → 23", kRightGrid, kKeyUp, 5, 1, 8, GridCell{kLeftGrid, 23}},
        MoveCase{"Up 25: the grid's own", kRightGrid, kKeyUp, 5, 2, 8, std::nullopt},
        MoveCase{"Enter 24 → 25", kRightGrid, kKeyEnter, 5, 1, 8, GridCell{kRightGrid, 2}},
        MoveCase{"Enter 30 stays", kRightGrid, kKeyEnter, 5, 7, 8, std::nullopt},
        MoveCase{"Right 24: nothing", kRightGrid, kKeyRight, 5, 1, 8, std::nullopt},
        MoveCase{"Left 5: nothing", kLeftGrid, kKeyLeft, 5, 1, 8, std::nullopt},
        MoveCase{"Enter 20 of 20 stays", kLeftGrid, kKeyEnter, 20, 1, 0, std::nullopt},
        MoveCase{"Right 5 of 20: nothing", kLeftGrid, kKeyRight, 5, 1, 0, std::nullopt},
        MoveCase{"a digit moves nothing", kLeftGrid, kKeyOther, 5, 1, 8, std::nullopt}));
