// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "EditorTexts.h"

class QModelIndex;
class QSpinBox;

namespace jitsu {

class EditGrid;

// One grade's page of the basic data editor, `TabSheet<n>` for grade n: the class count
// `ClassSu<n>`/`ClassSu<n>UD` with the class grid `SGC<n>`, the subject and test counts
// `KamokuSu<n>`(`UD`) and `JissiSu<n>`(`UD`) with the subject grid `SGK<n>`. It shows and edits
// `grade`, which must outlive it: a count sizes its grid, an edited cell is stored at once.
class GradePage : public QWidget {
    Q_OBJECT
public:
    GradePage(int gradeNumber, GradeTexts& grade);

    // Shows the grade's counts and cells.
    void showTexts();
    // Stores a cell editor that is still open and the counts of the up/down buttons.
    void takeEdits();
    EditGrid* gridOf(Grid grid) const;

private:
    void countChanged(Grid grid);
    void showGrid(Grid grid);
    void storeCells(Grid grid, const QModelIndex& topLeft, const QModelIndex& bottomRight);

    GradeTexts& grade_;
    QSpinBox* classUD_;
    QSpinBox* subjectUD_;
    QSpinBox* testUD_;
    EditGrid* classGrid_;
    EditGrid* subjectGrid_;
};

}  // namespace jitsu
