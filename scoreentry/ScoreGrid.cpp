// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScoreGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>
#include <QValidator>
#include <algorithm>

#include "GridLayout.h"
#include "ScoreText.h"

namespace jitsu {

int virtualKeyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kKeyEnter;
        case Qt::Key_Left:
            return kKeyLeft;
        case Qt::Key_Up:
            return kKeyUp;
        case Qt::Key_Right:
            return kKeyRight;
        case Qt::Key_Down:
            return kKeyDown;
        default:
            return kKeyOther;
    }
}

namespace {

bool isKeyEvent(const QEvent* event) {
    return event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
}

int pressedKey(const QEvent* event) {
    return event->type() == QEvent::KeyPress ? static_cast<const QKeyEvent*>(event)->key() : 0;
}

}  // namespace

// Holds the cell editor to acceptedScoreText. The line edit runs every change through it, typed,
// pasted, dropped or committed by an input method, and undoes one that is Invalid.
class ScoreGrid::Validator : public QValidator {
public:
    explicit Validator(ScoreGrid* grid) : QValidator(grid), grid_(grid) {}

    State validate(QString& input, int& pos) const override {
        const std::optional<std::string> kept =
            acceptedScoreText(input.toStdString(), grid_->fullMarks_);
        if (!kept) return Invalid;
        const QString digits = QString::fromStdString(*kept);
        if (digits != input) {
            // The cursor stays after the same digit.
            pos = static_cast<int>(digitsOf(input.left(pos).toStdString()).size());
            input = digits;
        }
        return Acceptable;
    }

private:
    ScoreGrid* grid_;
};

// The cell editor's side: the delegate filters every event of the editor it made, so it sees the
// editor's keys (Tab and Escape included) before the editor does.
class ScoreGrid::Delegate : public QStyledItemDelegate {
public:
    explicit Delegate(ScoreGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setStyleSheet(
            QStringLiteral("QLineEdit { border: 2px solid palette(highlight); }"));
        editor->setValidator(new Validator(grid_));
        connect(editor, &QLineEdit::textEdited, grid_, &ScoreGrid::cellEdited);
        connect(editor, &QLineEdit::inputRejected, grid_, &ScoreGrid::editRefused);
        grid_->editor_ = editor;
        grid_->editorIndex_ = index;
        return editor;
    }

    void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
        if (editor == grid_->editor_) {
            grid_->editor_ = nullptr;
            grid_->editorIndex_ = QPersistentModelIndex();
        }
        QStyledItemDelegate::destroyEditor(editor, index);
    }

    // The current cell is framed, also while no editor is open on it (the grid without the focus).
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (index != grid_->currentIndex()) return;
        painter->save();
        painter->setPen(QPen(grid_->palette().color(QPalette::Highlight), 2));
        painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
        painter->restore();
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (!isKeyEvent(event)) return QStyledItemDelegate::eventFilter(object, event);
        if (!grid_->forwarding_) grid_->report(event);
        const int key = pressedKey(event);
        if (virtualKeyOf(key) == kKeyEnter) {
            // The grid's own handling of Enter: the typed text goes into the cell and the editor
            // stays open. (The default would close the editor later, after a handler may have
            // moved the cursor and closed it already.)
            if (object == grid_->editor_) emit commitData(grid_->editor_);
            return true;
        }
        if (event->type() == QEvent::KeyPress &&
            static_cast<const QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
            const QString pasted = QGuiApplication::clipboard()->text();
            if (isPastedColumn(pasted.toStdString())) {
                emit grid_->columnPasted(grid_->editorIndex_.row(), pasted);
                return true;
            }
        }
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            // Tab leaves the grid for the next control, as from the grid itself, instead of
            // walking the cells; the editor keeps its text.
            grid_->leaveByTab(key == Qt::Key_Tab);
            return true;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    ScoreGrid* grid_;
};

ScoreGrid::ScoreGrid(const char* name, int rows, QWidget* parent) : QTableWidget(parent) {
    setObjectName(QString::fromLatin1(name));
    setItemDelegate(new Delegate(this));
    setColumnCount(3);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(20);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setTabKeyNavigation(false);  // Tab leaves the grid for the next control
    setRows(rows);
}

void ScoreGrid::setRows(int rows) {
    const int old = rowCount();
    setRowCount(rows);
    for (int r = old; r < rows; ++r)
        for (int c = 0; c < columnCount(); ++c) {
            auto* cell = new QTableWidgetItem;
            if (r == 0 || c != kScoreColumn) {
                // Fixed cells are disabled, so that the cursor never lands on them.
                cell->setFlags(Qt::NoItemFlags);
                cell->setBackground(palette().button());
                cell->setForeground(palette().buttonText());
            } else {
                cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
            }
            setItem(r, c, cell);
        }
}

void ScoreGrid::setFixedText(int row, int column, const QString& text) {
    if (QTableWidgetItem* cell = item(row, column)) cell->setText(text);
}

bool ScoreGrid::editorOn(int row) const { return editor_ && editorIndex_.row() == row; }

QString ScoreGrid::cellText(int row) const {
    if (editorOn(row)) return editor_->text();
    const QTableWidgetItem* cell = item(row, kScoreColumn);
    return cell ? cell->text() : QString();
}

void ScoreGrid::setCellText(int row, const QString& text) {
    // The item alone would not do: the open editor holds the text typed since the item was last
    // written, and an item set to the value it already has does not refresh its editor.
    if (editorOn(row) && editor_->text() != text) editor_->setText(text);
    if (QTableWidgetItem* cell = item(row, kScoreColumn)) cell->setText(text);
}

void ScoreGrid::focusCell(int row) {
    if (rowCount() < 2) {
        setFocus(Qt::OtherFocusReason);
        return;
    }
    setCurrentCell(std::clamp(row, 1, rowCount() - 1), kScoreColumn);  // opens the editor there
    if (editor_) {
        editor_->setFocus(Qt::OtherFocusReason);
    } else {
        setFocus(Qt::OtherFocusReason);
        openEditor();
    }
    emit cursorTaken();
}

void ScoreGrid::clearCursor() {
    // Clearing the current index commits the open editor and closes it.
    selectionModel()->clear();
}

void ScoreGrid::mousePressEvent(QMouseEvent* event) {
    // A click in a student's row, on the number, the name or the score, goes to the score cell
    // of that row; a click elsewhere only gives the grid the focus.
    const int row = rowAt(event->position().toPoint().y());
    if (event->button() == Qt::LeftButton && row >= 1)
        focusCell(row);
    else
        setFocus(Qt::MouseFocusReason);
    event->accept();
}

void ScoreGrid::mouseMoveEvent(QMouseEvent* event) { event->accept(); }  // no drag-selecting

void ScoreGrid::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void ScoreGrid::report(const QEvent* event) {
    const int key = virtualKeyOf(static_cast<const QKeyEvent*>(event)->key());
    if (event->type() == QEvent::KeyPress)
        emit keyDown(key);
    else
        emit keyUp(key);
}

bool ScoreGrid::event(QEvent* event) {
    // Keys come here either typed while the grid itself has the focus (no editor open), or passed
    // up from the editor, which reported them already.
    if (isKeyEvent(event) && QApplication::focusWidget() == this) {
        report(event);
        const QScopedValueRollback<bool> forwarding(forwarding_, true);
        return QTableWidget::event(event);
    }
    return QTableWidget::event(event);
}

void ScoreGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    if (leaving_) return;
    openEditor();
    if (currentIndex().isValid()) emit cursorTaken();
}

void ScoreGrid::leaveByTab(bool forward) {
    const QScopedValueRollback<bool> leaving(leaving_, true);
    setFocus(Qt::TabFocusReason);  // the editor, losing the focus, puts its text into the cell
    focusNextPrevChild(forward);
}

void ScoreGrid::openEditor() {
    const QModelIndex current = currentIndex();
    if (!editor_ && current.isValid() && current.column() == kScoreColumn && current.row() >= 1)
        edit(current);
}

}  // namespace jitsu
