// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "QtTestApp.h"
#include "SummaryWindow.h"
#include "SummaryYear.h"

using namespace jitsu;
using jitsu::summaryprint::SummaryWindow;

// The controls reach the run: the chosen test, grades, lists and magnifications.
TEST(SummaryWindowTest, JikkouPrintsTheTickedGradesAndListsWithTheUpDownPositions) {
    SummaryYear y;
    SummaryWindow form(y.services);
    ASSERT_TRUE(form.FormCreate());
    child<QComboBox>(form, "KaisuCB")->setCurrentIndex(0);
    for (const char* box : {"G3CB", "JouishaCB", "DosuuCB"})
        child<QCheckBox>(form, box)->setChecked(false);
    child<QSpinBox>(form, "BairituUD")->setValue(50);
    child<QSpinBox>(form, "MojiBairituUD")->setValue(30);
    child<QPushButton>(form, "JikkouBtn")->click();

    EXPECT_TRUE(y.messages.shown.empty());
    EXPECT_EQ(y.printer.dialogsShown(), 2);
    EXPECT_EQ(y.count("page 4"), 2);  // two grades, class lists only: two pages a class
    EXPECT_EQ(y.count("page 5"), 0);
    EXPECT_EQ(y.count("font 4 bold"), 4);  // the title at 14 × 30 ÷ 100 on every first page
}
