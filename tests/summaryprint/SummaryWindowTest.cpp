#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>

#include "MessageTexts.h"
#include "QtTestApp.h"
#include "SummaryWindow.h"
#include "YearFixture.h"

using namespace jitsu;
using namespace jitsu::summaryprint;

TEST(SummaryWindow, JikkouPrintsTheTickedGradesAndListsWithTheUpDownPositions) {
    testApplication();
    YearFixture y;
    y.writeBasicData();
    for (int g = 1; g <= 2; ++g) y.writeGrade(g, 2);
    TForm1 form(y.services);
    ASSERT_TRUE(form.FormCreate());
    form.KaisuCB->setCurrentIndex(1);
    form.G3CB->setChecked(false);
    form.JouishaCB->setChecked(false);
    form.DosuuCB->setChecked(false);
    form.BairituUD->setValue(50);
    form.MojiBairituUD->setValue(30);
    form.JikkouBtn->click();

    EXPECT_TRUE(y.messages.shown.empty());
    EXPECT_EQ(y.printer.dialogsShown(), 2);
    Trace t = y.trace();
    EXPECT_EQ(t.pages, 8);  // two grades, two classes, two pages each
    auto title = t.find("第２回 実力テスト　1ＨＲ  成績一覧");
    ASSERT_EQ(title.size(), 2u);
    EXPECT_EQ(title[0].x, 150);
    EXPECT_EQ(title[0].y, 75);
    EXPECT_EQ(title[0].font, 4);  // 14 × 30 ÷ 100
    EXPECT_TRUE(t.find("受験者：6人").empty());
}

TEST(SummaryWindow, JikkouReportsAMissingRosterAndKeepsTheWindowOpen) {
    testApplication();
    YearFixture y;
    y.writeBasicData();
    TForm1 form(y.services);
    ASSERT_TRUE(form.FormCreate());
    form.show();
    form.JikkouBtn->click();
    ASSERT_EQ(y.messages.shown.size(), 1u);
    EXPECT_EQ(y.messages.shown[0].text, text::kRosterMissingPrint);
    EXPECT_EQ(y.printer.dialogsShown(), 0);
    EXPECT_TRUE(form.isVisible());
}
