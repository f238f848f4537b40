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

// The page's controls in the order they are made, where they stand and how large they are (a
// label of size 0 fits its text). Names get the grade's number appended ("ClassSu" → "ClassSu1");
// an up/down spinner is its edit box's name + "UD".
constexpr int kFontPixels = 12;
enum class GradeControl { Label, Count, Grid };
struct GradeControlPlace {
    GradeControl kind;
    const char* name;  // empty for a label nothing refers to
    const char* caption;
    QRect place;
    int max = 0, start = 0;     // counts: the highest and the start value, from 1
    int columns = 0, rows = 0;  // grids
};
const GradeControlPlace kGradeControls[] = {
    {GradeControl::Label, "", "クラス数", {16, 16, 0, 0}},
    {GradeControl::Count, "ClassSu", "", {24, 40, 49 + 16, 21}, kMaxClasses, 10},
    {GradeControl::Grid, "SGC", "", {112, 16, 585, 70}, 0, 0, 10, 2},
    {GradeControl::Label, "", "総科目数", {16, 104, 0, 0}},
    {GradeControl::Count, "KamokuSu", "", {24, 128, 49 + 16, 21}, kMaxSubjects, 10},
    {GradeControl::Label, "", "実施回数", {16, 176, 0, 0}},
    {GradeControl::Count, "JissiSu", "", {24, 200, 49 + 16, 21}, kMaxTests, 5},
    {GradeControl::Grid, "SGK", "", {112, 104, 585, 195}, 0, 0, 20, 7},
    {GradeControl::Label, "FullMarksNote", text::kFullMarksNote, {112, 302, 0, 0}},
};

}  // namespace

GradePage::GradePage(int gradeNumber, GradeTexts& grade) : grade_(grade) {
    const QByteArray n = QByteArray::number(gradeNumber);
    setObjectName(QString::fromLatin1("TabSheet" + n));
    for (const GradeControlPlace& c : kGradeControls) {
        const QByteArray name = *c.name ? c.name + n : QByteArray();
        switch (c.kind) {
            case GradeControl::Label:
                // In the window's font: the page has none of its own before it joins the tabs.
                makeLabel(this, name.constData(), c.caption, c.place.topLeft(), kFontPixels);
                break;
            case GradeControl::Count: {
                QSpinBox* spin = makeUpDown(this, name.constData(), (name + "UD").constData(), 1,
                                            c.max, c.start);
                spin->setGeometry(c.place);
                // A count is taken when it is committed (arrows, Enter, leaving the box), never
                // per keystroke: "1" on the way to "10" would cut the grid to one column and drop
                // what was in the others.
                spin->setKeyboardTracking(false);
                break;
            }
            case GradeControl::Grid:
                (new EditGrid(this, name.constData(), c.columns, c.rows))->setGeometry(c.place);
                break;
        }
    }
    const auto find = [this, &n](const char* name, const char* suffix = "") {
        return findChild<QWidget*>(QString::fromLatin1(name + n + suffix),
                                   Qt::FindDirectChildrenOnly);
    };
    classUD_ = static_cast<QSpinBox*>(find("ClassSu", "UD"));
    subjectUD_ = static_cast<QSpinBox*>(find("KamokuSu", "UD"));
    testUD_ = static_cast<QSpinBox*>(find("JissiSu", "UD"));
    classGrid_ = static_cast<EditGrid*>(find("SGC"));
    subjectGrid_ = static_cast<EditGrid*>(find("SGK"));

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
