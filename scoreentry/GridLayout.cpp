// SPDX-License-Identifier: GPL-3.0-or-later
#include "GridLayout.h"

namespace jitsu {

GridCell cellOfSlot(int slot) {
    if (slot < kLeftGridStudents) return {kLeftGrid, slot + 1};
    return {kRightGrid, slot - kLeftGridStudents + 1};
}

int slotOfCell(const GridCell& cell) {
    return (cell.grid == kLeftGrid ? 0 : kLeftGridStudents) + cell.row - 1;
}

GridRows gridRowsFor(int headCount) {
    if (headCount <= kLeftGridStudents) return {headCount + 1, false, 0};
    return {kLeftGridRows, true, headCount - kLeftGridStudents + 1};
}

std::optional<GridCell> keyDownMove(int grid, int key, const GridState& left,
                                    const GridState& right) {
    if (grid == kLeftGrid) {
        if (key == kKeyEnter && left.currentRow != left.lastRow())
            return GridCell{kLeftGrid, left.currentRow + 1};
        if (key == kKeyRight && right.enabled)
            return GridCell{kRightGrid,
                            left.currentRow < right.rowCount ? left.currentRow : right.lastRow()};
        if ((key == kKeyDown || key == kKeyEnter) && left.currentRow == left.lastRow() &&
            right.enabled)
            return GridCell{kRightGrid, 1};
        return std::nullopt;
    }
    if (key == kKeyEnter && right.currentRow != right.lastRow())
        return GridCell{kRightGrid, right.currentRow + 1};
    if (key == kKeyLeft) return GridCell{kLeftGrid, right.currentRow};
    if (key == kKeyUp && right.currentRow == 1) return GridCell{kLeftGrid, left.lastRow()};
    return std::nullopt;
}

}  // namespace jitsu
