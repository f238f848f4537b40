#include "GradeClassLists.h"

#include <QLabel>
#include <QPushButton>

#include "BasicData.h"
#include "CheckListBox.h"
#include "Widgets.h"

namespace jitsu {

namespace {

constexpr int kGradeSpacing = 88;

QPushButton* makeButton(QWidget* window, const QString& name, const QString& caption,
                        QRect geometry) {
    auto* button = new QPushButton(caption, window);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setEnabled(false);
    return button;
}

}  // namespace

GradeClassLists::GradeClassLists(QWidget* window, const GradeClassListsGeometry& geometry) {
    static const char* const kGradeLabels[kGrades] = {"１年", "２年", "３年"};
    for (int g = 0; g < kGrades; ++g) {
        const QString n = QString::number(g + 1);
        const int shift = kGradeSpacing * g;

        labels[g] = new QLabel(QString::fromUtf8(kGradeLabels[g]), window);
        labels[g]->setObjectName(QStringLiteral("Label") + n);
        labels[g]->setFont(windowFont(16));
        labels[g]->move(166 + shift, 16);
        labels[g]->adjustSize();

        auto* box = new CheckListBox(window);
        box->setObjectName(QStringLiteral("CheckListBox") + n);
        box->setGeometry(144 + shift, 40, 73, 217);
        box->setFont(windowFont(19));
        box->setEnabled(false);
        checkListBoxes[g] = box;

        const int left = geometry.buttonLeft + shift;
        selectButtons[g] =
            makeButton(window, QStringLiteral("G%1Button").arg(n), QStringLiteral("全選択"),
                       QRect(left, 264, geometry.buttonWidth, 25));
        clearButtons[g] =
            makeButton(window, QStringLiteral("G%1DButton").arg(n), QStringLiteral("全クリアー"),
                       QRect(left, 288, geometry.buttonWidth, 25));
    }
}

void GradeClassLists::fill(const BasicData& data) {
    for (int g = 0; g < kGrades; ++g) {
        const GradeData& grade = data.grades[g];
        QStringList names;
        for (int c = 0; c < grade.classes(); ++c)
            names << QString::fromStdString(grade.classNames[c].utf8());
        checkListBoxes[g]->setEnabled(true);
        checkListBoxes[g]->setItems(names);
        checkListBoxes[g]->setAllChecked(true);
    }
    for (int g = 0; g < kGrades; ++g) {
        selectButtons[g]->setEnabled(true);
        clearButtons[g]->setEnabled(true);
    }
}

void GradeClassLists::selectAll(int grade) { checkListBoxes[grade]->setAllChecked(true); }

void GradeClassLists::clearAll(int grade) { checkListBoxes[grade]->setAllChecked(false); }

bool GradeClassLists::anyChecked(int grade) const { return checkListBoxes[grade]->anyChecked(); }

std::vector<bool> GradeClassLists::checkedClasses(int grade) const {
    return checkListBoxes[grade]->checkedStates();
}

}  // namespace jitsu
