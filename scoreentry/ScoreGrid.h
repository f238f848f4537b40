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
// the grid has the focus. Every key pressed or released in the grid or in its cell editor is
// reported once, through keyDown/keyUp, before the grid or the editor handles it; no key is
// swallowed, so the grid's own cursor movement follows the handlers.
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
    // The top row of the selection, or the current row when nothing is selected.
    int selectionTopRow() const;

signals:
    void keyDown(int key);
    void keyUp(int key);

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    class Delegate;
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
};

}  // namespace jitsu
