#include "GradeClassLists.h"

#include <QLabel>
#include <QPushButton>
#include <string>

#include "BasicData.h"
#include "CheckListBox.h"
#include "Widgets.h"

namespace jitsu {

namespace {

constexpr int kGradeSpacing = 88;

}  // namespace

GradeClassLists::GradeClassLists(QWidget* window, const GradeClassListsGeometry& geometry) {
    static const char* const kGradeLabels[kGrades] = {"１年", "２年", "３年"};
    for (int g = 0; g < kGrades; ++g) {
        const std::string n = std::to_string(g + 1);
        const int shift = kGradeSpacing * g;

        labels[g] =
            makeLabel(window, ("Label" + n).c_str(), kGradeLabels[g], {166 + shift, 16}, 16);

        auto* box = new CheckListBox(window);
        box->setObjectName(QString::fromStdString("CheckListBox" + n));
        box->setGeometry(144 + shift, 40, 73, 217);
        box->setFont(windowFont(19));
        box->setEnabled(false);
        checkListBoxes[g] = box;

        const int left = geometry.buttonLeft + shift;
        selectButtons[g] = makeButton(window, ("G" + n + "Button").c_str(), "全選択",
                                      QRect(left, 264, geometry.buttonWidth, 25));
        clearButtons[g] = makeButton(window, ("G" + n + "DButton").c_str(), "全クリアー",
                                     QRect(left, 288, geometry.buttonWidth, 25));
        selectButtons[g]->setEnabled(false);
        clearButtons[g]->setEnabled(false);
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
