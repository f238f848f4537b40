// SPDX-License-Identifier: GPL-3.0-or-later
#include "GradePage.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

#include "EditGrid.h"
#include "Limits.h"
#include "SetupMessages.h"
#include "Widgets.h"

namespace jitsu {

namespace {

constexpr int kEditHeight = 21;
constexpr int kUpDownWidth = 49 + 16;  // edit box and its up/down button

void label(QWidget* parent, const char* text, int y) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setFont(windowFont(12));
    l->move(16, y);
    l->adjustSize();
}

// An up/down button at (24, y) with its edit box `name` + n; the spinner is `name` + n + "UD".
QSpinBox* upDown(QWidget* parent, const char* name, const QByteArray& n, int max, int value,
                 int y) {
    const QByteArray editName = name + n;
    QSpinBox* spin =
        makeUpDown(parent, editName.constData(), (editName + "UD").constData(), 1, max, value);
    spin->setGeometry(24, y, kUpDownWidth, kEditHeight);
    // A count is taken when it is committed (arrows, Enter, leaving the box), never per keystroke:
    // "1" on the way to "10" would cut the grid to one column and drop what was in the others.
    spin->setKeyboardTracking(false);
    return spin;
}

}  // namespace

GradePage::GradePage(int gradeNumber, GradeTexts& grade) : grade_(grade) {
    const QByteArray n = QByteArray::number(gradeNumber);
    setObjectName(QString::fromLatin1("TabSheet" + n));

    label(this, "クラス数", 16);
    classUD_ = upDown(this, "ClassSu", n, kMaxClasses, 10, 40);
    classGrid_ = new EditGrid(this, ("SGC" + n).constData(), 10, 2);
    classGrid_->setGeometry(112, 16, 585, 70);

    label(this, "総科目数", 104);
    subjectUD_ = upDown(this, "KamokuSu", n, kMaxSubjects, 10, 128);
    label(this, "実施回数", 176);
    testUD_ = upDown(this, "JissiSu", n, kMaxTests, 5, 200);
    subjectGrid_ = new EditGrid(this, ("SGK" + n).constData(), 20, 7);
    subjectGrid_->setGeometry(112, 104, 585, 195);

    auto* note = new QLabel(QString::fromUtf8(text::kFullMarksNote), this);
    note->setObjectName(QStringLiteral("FullMarksNote") + n);
    note->setFont(windowFont(12));
    note->move(112, 302);
    note->adjustSize();

    // The grids follow the committed counts.
    connect(classUD_, &QSpinBox::valueChanged, this, [this] { countChanged(Grid::Classes); });
    connect(subjectUD_, &QSpinBox::valueChanged, this, [this] { countChanged(Grid::Subjects); });
    connect(testUD_, &QSpinBox::valueChanged, this, [this] { countChanged(Grid::Subjects); });
    for (Grid grid : {Grid::Classes, Grid::Subjects}) {
        connect(gridOf(grid)->model(), &QAbstractItemModel::dataChanged, this,
                [this, grid](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                    storeCells(grid, topLeft, bottomRight);
                });
    }
}

EditGrid* GradePage::gridOf(Grid grid) const {
    return grid == Grid::Classes ? classGrid_ : subjectGrid_;
}

void GradePage::showTexts() {
    {
        // Both grids are filled below, also where a count does not change.
        QSignalBlocker classes(classUD_), subjects(subjectUD_), tests(testUD_);
        classUD_->setValue(grade_.classCount);
        subjectUD_->setValue(grade_.subjectCount);
        testUD_->setValue(grade_.testCount);
    }
    countChanged(Grid::Classes);
    countChanged(Grid::Subjects);
}

void GradePage::countChanged(Grid grid) {
    grade_.classCount = classUD_->value();
    grade_.subjectCount = subjectUD_->value();
    grade_.testCount = testUD_->value();
    showGrid(grid);
}

void GradePage::showGrid(Grid grid) {
    // Copied, as filling the grid stores every cell back into grade_.
    GradeTexts grade = grade_;
    const bool classes = grid == Grid::Classes;
    const int columns = (classes ? grade.classCount : grade.subjectCount) + 1;
    const int rows = classes ? 2 : grade.testCount + 2;
    gridOf(grid)->fill(columns, rows, [&](int column, int row) {
        if (column == 0) return rowLabel(grid, row);
        const std::string* text = cellText(grade, grid, column, row);
        return text ? *text : std::string();
    });
}

void GradePage::storeCells(Grid grid, const QModelIndex& topLeft, const QModelIndex& bottomRight) {
    EditGrid* view = gridOf(grid);
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
        for (int column = topLeft.column(); column <= bottomRight.column(); ++column)
            if (std::string* text = cellText(grade_, grid, column, row))
                *text = view->cell(column, row).toStdString();
}

void GradePage::takeEdits() {
    classGrid_->commitOpenEditor();
    subjectGrid_->commitOpenEditor();
    // The save walks the counts of the up/down buttons.
    grade_.classCount = classUD_->value();
    grade_.subjectCount = subjectUD_->value();
    grade_.testCount = testUD_->value();
}

}  // namespace jitsu
