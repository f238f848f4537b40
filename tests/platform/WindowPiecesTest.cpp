// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "BasicData.h"
#include "CheckListBox.h"
#include "Fixtures.h"
#include "GradeClassLists.h"
#include "QtTestApp.h"
#include "YearTestChooser.h"

using namespace jitsu;

// Without a test OK stays disabled and nothing is fixed; with tests, the clock's month preselects.
TEST(YearTestChooser, FixesTheChoiceOnlyWithATest) {
    QWidget window;
    YearTestChooser chooser(&window);
    chooser.fill(2010, 0, FixedClock({2010, 9, 1}));
    EXPECT_FALSE(chooser.OKButton->isEnabled());
    chooser.fix();
    EXPECT_FALSE(chooser.isFixed());
    EXPECT_TRUE(chooser.NendoE->isHidden());

    chooser.fill(2010, 4, FixedClock({2010, 9, 1}));  // October: test 4
    EXPECT_TRUE(chooser.OKButton->isEnabled());
    EXPECT_EQ(chooser.testNumber(), 4);
    chooser.KaisuCB->setCurrentIndex(1);
    chooser.fix();
    EXPECT_TRUE(chooser.isFixed());
    EXPECT_EQ(chooser.KaisuE->text(), QStringLiteral("  第２回"));
    EXPECT_TRUE(chooser.NendoUD->isHidden());
}

TEST(GradeClassLists, FillsEveryGradeTickedAndItsButtonsSelectOrClearOneGrade) {
    QWidget window;
    GradeClassLists lists(&window);
    auto* box1 = child<CheckListBox>(window, "CheckListBox1");
    EXPECT_FALSE(box1->isEnabled());
    BasicData data;
    data.grades[0] = makeGrade(4, 30, 5);
    data.grades[1] = makeGrade(1, 30, 5);
    data.grades[2] = makeGrade(2, 30, 5);
    data.grades[2].classNames[1].assign(sj("Ｂ組"));
    lists.fill(data);
    EXPECT_EQ(lists.checkedClasses(0), std::vector<bool>(4, true));
    EXPECT_EQ(child<CheckListBox>(window, "CheckListBox3")->item(1)->text(),
              QStringLiteral("Ｂ組"));
    EXPECT_TRUE(box1->isEnabled());
    child<QPushButton>(window, "G1DButton")->click();
    EXPECT_FALSE(lists.anyChecked(0));
    EXPECT_TRUE(lists.anyChecked(1));
    box1->setChecked(2, true);
    EXPECT_EQ(lists.checkedClasses(0), (std::vector<bool>{false, false, true, false}));
    child<QPushButton>(window, "G1Button")->click();
    EXPECT_EQ(lists.checkedClasses(0), std::vector<bool>(4, true));
}
