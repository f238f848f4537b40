#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
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

TEST(YearTestChooser, DefaultGeometryIsReportcardsAndOKWaitsForATest) {
    testApplication();
    QWidget window;
    YearTestChooser chooser(&window);
    EXPECT_EQ(window.findChild<QSpinBox*>("NendoUD"), chooser.NendoUD);
    EXPECT_EQ(window.findChild<QLineEdit*>("Nendo"), chooser.Nendo);
    EXPECT_EQ(window.findChild<QComboBox*>("KaisuCB"), chooser.KaisuCB);
    EXPECT_EQ(window.findChild<QPushButton*>("OKButton"), chooser.OKButton);
    EXPECT_EQ(chooser.NendoUD->geometry(), QRect(24, 40, 96, 25));
    EXPECT_EQ(chooser.KaisuCB->geometry(), QRect(24, 72, 97, 25));
    EXPECT_EQ(chooser.OKButton->geometry(), QRect(24, 120, 97, 25));
    EXPECT_EQ(chooser.OKButton->font().pixelSize(), 13);
    EXPECT_EQ(chooser.NendoE->geometry(), QRect(24, 40, 97, 25));
    EXPECT_EQ(chooser.KaisuE->geometry(), QRect(24, 72, 97, 25));
    EXPECT_EQ(chooser.NendoE->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(chooser.NendoE->isHidden());
    EXPECT_TRUE(chooser.KaisuE->isHidden());
    EXPECT_FALSE(chooser.OKButton->isEnabled());  // no test until filled
    EXPECT_EQ(chooser.testNumber(), 0);
}

TEST(YearTestChooser, FillsAndFixesTheChoice) {
    testApplication();
    QWidget window;
    YearTestChooser chooser(&window, YearTestChooserGeometry{QRect(24, 120, 97, 33), 12});
    EXPECT_EQ(chooser.OKButton->geometry(), QRect(24, 120, 97, 33));
    EXPECT_EQ(chooser.OKButton->font().pixelSize(), 12);
    chooser.fill(2010, 4, FixedClock({2010, 9, 1}));  // October: test 4
    EXPECT_TRUE(chooser.OKButton->isEnabled());
    EXPECT_EQ(chooser.year(), 2010u);
    EXPECT_EQ(chooser.testNumber(), 4);
    chooser.KaisuCB->setCurrentIndex(1);
    chooser.fix();
    EXPECT_TRUE(chooser.isFixed());
    EXPECT_EQ(chooser.NendoE->text(), QStringLiteral("  2,010年度"));
    EXPECT_EQ(chooser.KaisuE->text(), QStringLiteral("  第２回"));
    EXPECT_FALSE(chooser.NendoE->isHidden());
    EXPECT_TRUE(chooser.NendoUD->isHidden());
    EXPECT_FALSE(chooser.KaisuCB->isEnabled());
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

TEST(GradeClassLists, DefaultGeometryIsReportcards) {
    testApplication();
    QWidget window;
    GradeClassLists lists(&window);
    for (int g = 0; g < 3; ++g) {
        const QString n = QString::number(g + 1);
        EXPECT_EQ(window.findChild<CheckListBox*>("CheckListBox" + n), lists.checkListBoxes[g]);
        EXPECT_EQ(window.findChild<QLabel*>("Label" + n), lists.labels[g]);
        EXPECT_EQ(lists.labels[g]->pos(), QPoint(166 + 88 * g, 16));
        EXPECT_EQ(window.findChild<QPushButton*>("G" + n + "Button")->geometry(),
                  QRect(144 + 88 * g, 264, 73, 25));
        EXPECT_EQ(window.findChild<QPushButton*>("G" + n + "DButton")->geometry(),
                  QRect(144 + 88 * g, 288, 73, 25));
        EXPECT_FALSE(lists.checkListBoxes[g]->isEnabled());
        EXPECT_FALSE(lists.selectButtons[g]->isEnabled());
    }
}

TEST(GradeClassLists, FillsEveryGradeTickedAndSelectsOrClearsOne) {
    testApplication();
    QWidget window;
    GradeClassLists lists(&window, GradeClassListsGeometry{152, 65});
    EXPECT_EQ(lists.clearButtons[2]->geometry(), QRect(328, 288, 65, 25));
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
