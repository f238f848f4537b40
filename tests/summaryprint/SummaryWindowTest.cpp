#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>

#include "MessageTexts.h"
#include "QtTestApp.h"
#include "SummaryWindow.h"
#include "SummaryYear.h"

using namespace jitsu;
using namespace jitsu::summaryprint;

// The controls reach the run: the chosen test, grades, lists and magnifications.
TEST(SummaryWindow, JikkouPrintsTheTickedGradesAndListsWithTheUpDownPositions) {
    testApplication();
    SummaryYear y;
    TForm1 form(y.services);
    ASSERT_TRUE(form.FormCreate());
    form.KaisuCB->setCurrentIndex(0);
    form.G3CB->setChecked(false);
    form.JouishaCB->setChecked(false);
    form.DosuuCB->setChecked(false);
    form.BairituUD->setValue(50);
    form.MojiBairituUD->setValue(30);
    form.JikkouBtn->click();

    EXPECT_TRUE(y.messages.shown.empty());
    EXPECT_EQ(y.printer.dialogsShown(), 2);
    EXPECT_EQ(y.count("page 1"), 2);  // two grades, class lists only: two pages a class
    EXPECT_EQ(y.count("page 4"), 2);
    EXPECT_EQ(y.count("page 5"), 0);
    EXPECT_EQ(y.count("font 4 bold"), 4);  // the title at 14 × 30 ÷ 100 on every first page
}

TEST(SummaryWindow, JikkouReportsAMissingRosterAndKeepsTheWindowOpen) {
    testApplication();
    SummaryYear y;
    std::filesystem::remove(rosterPath(y.path(), y.data.rosterTag.view(), 2026, 1));
    TForm1 form(y.services);
    ASSERT_TRUE(form.FormCreate());
    form.show();
    form.KaisuCB->setCurrentIndex(0);
    form.JikkouBtn->click();
    EXPECT_EQ(y.messages.count(text::kRosterMissingPrint), 1);
    EXPECT_EQ(y.printer.dialogsShown(), 0);
    EXPECT_TRUE(form.isVisible());
}
