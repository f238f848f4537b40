// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "CheckListBox.h"
#include "MessageTexts.h"
#include "QtTestApp.h"
#include "ReportRun.h"
#include "ReportcardWindow.h"

using namespace jitsu;
using jitsu::reportcard::ReportcardWindow;

namespace {

class ReportcardWindowTest : public testing::Test {
protected:
    // The window after OK with test 2 (June) and every class ticked.
    ReportcardWindowTest() {
        EXPECT_TRUE(form.FormCreate());
        click("OKButton");
    }
    void click(const char* name) { child<QPushButton>(form, name)->click(); }
    bool saved(int grade) const { return std::filesystem::exists(r.results(2, grade)); }

    ReportRun r;
    ReportcardWindow form{r.services};
};

// The controls are read when 実行 is pressed: classes, combinations, scales, copies, 保存.
TEST_F(ReportcardWindowTest, RunTakesTheControlsAsTheyAreWhenPressed) {
    EXPECT_TRUE(child<QCheckBox>(form, "EikokushaChB")->isChecked());  // OK ticked test 2's
    click("G2DButton");
    click("G3DButton");
    child<CheckListBox>(form, "CheckListBox1")->setChecked(1, false);
    for (const char* box : {"EikokusuChB", "Kyouka5ChB", "EisuriChB", "EikokushaChB"})
        child<QCheckBox>(form, box)->setChecked(false);
    child<QCheckBox>(form, "KokusuChB")->setChecked(true);
    child<QSpinBox>(form, "BairituUD")->setValue(80);
    child<QSpinBox>(form, "MojiBairituUD")->setValue(50);
    child<QSpinBox>(form, "BusuUD")->setValue(2);
    click("PrintButton");
    EXPECT_EQ(r.printer.dialogsShown(), 1);
    EXPECT_FALSE(saved(2));  // a grade without a ticked class is not run
    const std::string results = readBytes(r.results(2, 1));
    EXPECT_EQ(results.substr(results.rfind('\n')), "\n0 0 0 0 0 0 1 0 0");
    EXPECT_EQ(r.lines("page ").size(), 2u);  // class 1: one page, two copies
    EXPECT_EQ(r.lines("font 6 bold").size(), 2u);
    EXPECT_EQ(r.lines("text 1440 321 国数").size(), 2u);  // (500 + 260 × 5) × 0.8

    // With 保存 cleared the results file stays as it was.
    child<QCheckBox>(form, "EikokuChB")->setChecked(true);
    child<QCheckBox>(form, "HozonCheck")->setChecked(false);
    click("PrintButton");
    EXPECT_EQ(readBytes(r.results(2, 1)), results);
}

TEST_F(ReportcardWindowTest, AMissingRosterOfGrade1IsAnnouncedOnceAndGrades2And3StillRun) {
    std::filesystem::remove(r.roster(1));
    click("PrintButton");
    ASSERT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.shown[0].text, text::kRosterMissingPrint);
    EXPECT_EQ(r.printer.dialogsShown(), 2);
    EXPECT_FALSE(saved(1));
    EXPECT_TRUE(saved(3));
}

}  // namespace
