// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QTableWidget>

namespace jitsu {

// A string grid edited in place: column 0 holds fixed labels, shown as the vertical header so that
// they stay in place while the grid scrolls and never take the cursor (the column itself is
// hidden); every other cell opens its editor as soon as it is entered or typed into, and ranges
// of cells can be selected.
class EditGrid : public QTableWidget {
    Q_OBJECT
public:
    EditGrid(QWidget* parent, const char* name, int columns, int rows);

    // Stores the text of a cell editor that is still open into its cell, so that a close that
    // does not move the focus (the window's close button) loses nothing typed.
    void commitOpenEditor();

    // Sets the grid to `columns` × `rows` and writes `text(column, row)` into every cell, the
    // labels of column 0 read-only. The focus stays where it is: a grid without the focus loses
    // its current cell rather than open an editor on another one, which would take the focus.
    template <typename CellText>
    void fill(int columns, int rows, CellText text) {
        if (!hasFocus() && !isAncestorOf(QApplication::focusWidget()))
            selectionModel()->clearCurrentIndex();
        setColumnCount(columns);
        setRowCount(rows);
        setColumnHidden(0, true);
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < columns; ++column)
                setCell(column, row, QString::fromStdString(text(column, row)));
    }

    // The text of cell [column, row]; "" for an empty or missing cell.
    QString cell(int column, int row) const;

private:
    void setCell(int column, int row, const QString& text);
};

}  // namespace jitsu
