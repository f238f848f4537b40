#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "BasicData.h"
#include "CheckListBox.h"
#include "Clock.h"
#include "Fixtures.h"
#include "GradeClassLists.h"
#include "QtTestApp.h"
#include "YearTestChooser.h"

using namespace jitsu;

TEST(YearTestChooser, FillsAndFixesTheChoice) {
    testApplication();
    QWidget window;
    YearTestChooser chooser(&window);
    EXPECT_FALSE(chooser.OKButton->isEnabled());      // no test until filled
    chooser.fill(2010, 4, FixedClock({2010, 9, 1}));  // October: test 4
    EXPECT_TRUE(chooser.OKButton->isEnabled());
    EXPECT_EQ(chooser.year(), 2010u);
    EXPECT_EQ(chooser.testNumber(), 4);
    chooser.KaisuCB->setCurrentIndex(1);
    chooser.fix();
    EXPECT_TRUE(chooser.isFixed());
    EXPECT_EQ(chooser.NendoE->text(), QStringLiteral("  2,010年度"));
    EXPECT_EQ(chooser.KaisuE->text(), QStringLiteral("  第２回"));
    EXPECT_TRUE(chooser.NendoUD->isHidden());
}

TEST(YearTestChooser, WithoutATestNothingIsFixed) {
    testApplication();
    QWidget window;
    YearTestChooser chooser(&window);
    chooser.fill(2010, 0, FixedClock({2010, 9, 1}));
    EXPECT_FALSE(chooser.OKButton->isEnabled());
    chooser.fix();
    EXPECT_FALSE(chooser.isFixed());
    EXPECT_TRUE(chooser.NendoE->isHidden());
    EXPECT_FALSE(chooser.KaisuCB->isHidden());
}

TEST(GradeClassLists, FillsEveryGradeTickedAndSelectsOrClearsOne) {
    testApplication();
    QWidget window;
    GradeClassLists lists(&window);
    EXPECT_FALSE(lists.checkListBoxes[1]->isEnabled());
    BasicData data;
    data.grades[0] = makeGrade(4, 30, 5);
    data.grades[1] = makeGrade(1, 30, 5);
    data.grades[2] = makeGrade(2, 30, 5);
    data.grades[2].classNames[1].assign(sj("Ｂ組"));
    lists.fill(data);
    EXPECT_EQ(lists.checkedClasses(0), std::vector<bool>(4, true));
    EXPECT_EQ(lists.checkedClasses(1), std::vector<bool>(1, true));
    EXPECT_EQ(lists.checkListBoxes[2]->item(1)->text(), QStringLiteral("Ｂ組"));
    EXPECT_TRUE(lists.checkListBoxes[1]->isEnabled());
    EXPECT_TRUE(lists.clearButtons[1]->isEnabled());
    lists.clearAll(0);
    EXPECT_FALSE(lists.anyChecked(0));
    EXPECT_TRUE(lists.anyChecked(1));
    lists.checkListBoxes[0]->setChecked(2, true);
    EXPECT_EQ(lists.checkedClasses(0), (std::vector<bool>{false, false, true, false}));
    lists.selectAll(0);
    EXPECT_EQ(lists.checkedClasses(0), std::vector<bool>(4, true));
}
