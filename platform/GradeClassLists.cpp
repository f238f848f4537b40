// SPDX-License-Identifier: GPL-3.0-or-later
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

        makeLabel(window, ("Label" + n).c_str(), kGradeLabels[g], {166 + shift, 16}, 16);

        auto* box = new CheckListBox(window);
        box->setObjectName(QString::fromStdString("CheckListBox" + n));
        box->setGeometry(144 + shift, 40, 73, 217);
        box->setFont(windowFont(19));
        box->setEnabled(false);
        checkListBoxes_[g] = box;

        const int left = geometry.buttonLeft + shift;
        QPushButton* select = makeButton(window, ("G" + n + "Button").c_str(), "全選択",
                                         QRect(left, 264, geometry.buttonWidth, 25));
        QPushButton* clear = makeButton(window, ("G" + n + "DButton").c_str(), "全クリアー",
                                        QRect(left, 288, geometry.buttonWidth, 25));
        QObject::connect(select, &QPushButton::clicked, box, [box] { box->setAllChecked(true); });
        QObject::connect(clear, &QPushButton::clicked, box, [box] { box->setAllChecked(false); });
        select->setEnabled(false);
        clear->setEnabled(false);
        selectButtons_[g] = select;
        clearButtons_[g] = clear;
    }
}

void GradeClassLists::fill(const BasicData& data) {
    for (int g = 0; g < kGrades; ++g) {
        const GradeData& grade = data.grades[g];
        QStringList names;
        for (int c = 0; c < grade.classes(); ++c)
            names << QString::fromStdString(grade.classNames[c].utf8());
        checkListBoxes_[g]->setEnabled(true);
        checkListBoxes_[g]->setItems(names);
        checkListBoxes_[g]->setAllChecked(true);
    }
    for (int g = 0; g < kGrades; ++g) {
        selectButtons_[g]->setEnabled(true);
        clearButtons_[g]->setEnabled(true);
    }
    checkListBoxes_[0]->setFocus(Qt::OtherFocusReason);  // the next step starts here
}

bool GradeClassLists::anyChecked(int grade) const { return checkListBoxes_[grade]->anyChecked(); }

std::vector<bool> GradeClassLists::checkedClasses(int grade) const {
    return checkListBoxes_[grade]->checkedStates();
}

}  // namespace jitsu
