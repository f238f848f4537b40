// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableWidget>

class QLineEdit;

namespace jitsu {

// The virtual-key code (GridLayout.h) of a Qt key: Enter, Left, Up, Right and Down, every other
// key kKeyOther.
int virtualKeyOf(int qtKey);

// A score grid: three columns, row 0 and columns 0 and 1 fixed (shown as headers, never current),
// column 2 of the other rows edited in a cell editor that is open on the current cell whenever
// the grid has the focus. A click anywhere in a student's row puts the cursor on that row's
// score cell; only the current cell is highlighted, and it is framed whether or not its editor is
// open. Every key pressed or released in the grid or
// in its cell editor is reported once, through keyDown/keyUp, before the grid or the editor
// handles it; no key is swallowed, so the grid's own cursor movement follows the handlers.
// Whatever way text enters the cell editor, the editor keeps only what acceptedScoreText
// accepts under the full marks set here, and reports each change through cellEdited; a column
// pasted with the keyboard is handed on through columnPasted.
class ScoreGrid : public QTableWidget {
    Q_OBJECT
public:
    ScoreGrid(const char* name, int rows, QWidget* parent);

    // Sets the row count; new rows get their fixed and score cells.
    void setRows(int rows);
    void setFixedText(int row, int column, const QString& text);
    // The score cell of `row`: while the cell editor is open on it, the editor's live text.
    QString cellText(int row) const;
    void setCellText(int row, const QString& text);
    // Makes the score cell of `row` (kept within the score rows) current, with the focus and the
    // cell editor on it.
    void focusCell(int row);
    // Takes the cursor away: no current cell, nothing highlighted, the cell editor closed.
    void clearCursor();
    // The full marks that the cell editor holds its text to.
    void setFullMarks(int fullMarks) { fullMarks_ = fullMarks; }

signals:
    void keyDown(int key);
    void keyUp(int key);
    // The cursor came into this grid (the other grid then gives it up).
    void cursorTaken();
    // An edit changed the text of the cell editor.
    void cellEdited();
    // An edit was refused: the cell editor kept its text.
    void editRefused();
    // Text of more than one line (isPastedColumn) was pasted with the keyboard into the cell
    // editor on `row`: it is not put into the editor; the window fills the column.
    void columnPasted(int row, const QString& text);

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    class Delegate;
    class Validator;
    void report(const QEvent* event);
    void openEditor();
    void leaveByTab(bool forward);
    bool editorOn(int row) const;

    QPointer<QLineEdit> editor_;
    QPersistentModelIndex editorIndex_;
    // Set while a key that reached the grid itself is handled: the grid may open the editor and
    // pass the key on to it, and the key must not be reported again there.
    bool forwarding_ = false;
    bool leaving_ = false;  // the focus passes through the grid on its way to the next control
    int fullMarks_ = 0;
};

}  // namespace jitsu
