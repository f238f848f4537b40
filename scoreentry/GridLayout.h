// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace jitsu {

// The two score grids show one class as one list: slots 0 to 22 in the left grid (rows 1 to
// 23), slots 23 to 44 in the right grid (rows 1 to 22). Row 0 of each grid is its header; column
// 2 holds the scores.
inline constexpr int kLeftGrid = 0;
inline constexpr int kRightGrid = 1;
inline constexpr int kLeftGridStudents = 23;
inline constexpr int kLeftGridRows = kLeftGridStudents + 1;
inline constexpr int kRightGridRows = 23;
inline constexpr int kScoreColumn = 2;

struct GridCell {
    int grid = kLeftGrid;
    int row = 1;
    bool operator==(const GridCell&) const = default;
};

// Where slot `slot` (0 … 44) is shown, and the slot a cell shows.
GridCell cellOfSlot(int slot);
int slotOfCell(const GridCell& cell);

// Row counts for a class of `headCount` students: up to 23 fit the left grid and leave the right
// one disabled (its rows are then left as they are); more enable the right grid.
struct GridRows {
    int leftRows = 1;
    bool rightEnabled = false;
    int rightRows = 0;  // only when rightEnabled
};
GridRows gridRowsFor(int headCount);

// The keys the grids act on, as virtual-key codes; every other key is reported as kKeyOther.
inline constexpr int kKeyOther = 0;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;

// What a grid looks like to the key handlers: its current row and row count.
struct GridState {
    int currentRow = 1;
    int rowCount = 1;
    bool enabled = true;
    int lastRow() const { return rowCount - 1; }
};

// Where a key pressed in grid `grid` moves the cell cursor (and the focus, when the cell lies in
// the other grid) before the grid's own handling of the key: Enter walks down the list and
// passes from the left grid to the right one, Right and Left jump between the grids' same rows,
// Down at the left grid's last row and Up at the right grid's first row cross over. nullopt when
// the key moves nothing by itself.
std::optional<GridCell> keyDownMove(int grid, int key, const GridState& left,
                                    const GridState& right);

}  // namespace jitsu
