// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "CheckListBox.h"
#include "CheckListRun.h"
#include "FolderSettings.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "ProofsheetWindow.h"
#include "QtTestApp.h"

using namespace jitsu;
using jitsu::proofsheet::ProofsheetWindow;

namespace {

class ProofsheetWindowTest : public ::testing::Test {
protected:
    // The window on 15 March after OK: test 1, every class checked.
    ProofsheetWindowTest() {
        EXPECT_TRUE(form.FormCreate());
        click("OKButton");
    }
    void click(const char* name) { child<QPushButton>(form, name)->click(); }

    CheckListRun r;
    ProofsheetWindow form{r.services};
};

// The deadline, place and magnification typed reach the pages of the checked classes only.
TEST_F(ProofsheetWindowTest, ThePagesCarryTheDeadlinePlaceAndMagnification) {
    EXPECT_EQ(child<QLineEdit>(form, "DayE")->text(), QStringLiteral("17"));  // 15 March + 2
    click("G2DButton");
    click("G3DButton");
    child<CheckListBox>(form, "CheckListBox1")->setChecked(1, false);
    child<QSpinBox>(form, "MonUD")->setValue(4);
    child<QSpinBox>(form, "DayUD")->setValue(9);
    child<QLineEdit>(form, "TeishutusakiE")->setText(QStringLiteral("職員室"));
    child<QSpinBox>(form, "BairituUD")->setValue(80);
    click("PrintButton");
    EXPECT_EQ(r.printer.dialogsShown(), 1);
    EXPECT_EQ(r.count("page "), 2);
    EXPECT_EQ(r.count("font 11 bold"), 2);  // 14 × 80 ÷ 100
    EXPECT_EQ(r.count("text 320 400 修正があればもう１部の方に赤で記入し、職員室 まで提出"), 2);
    EXPECT_EQ(r.count("text 320 480 修正がない場合は、その旨ご連絡ください。期限は 4月 9日です。"),
              2);
}

// The folder's settings, read when the window opens, choose how the pages print the year.
TEST(ProofsheetWindowEra, TheFolderSettingsChooseTheEraOfThePrintedYear) {
    CheckListRun r;
    ASSERT_TRUE(writeFolderSettings(r.services.dir, {Era::Wareki}));
    ProofsheetWindow form{r.services};
    ASSERT_TRUE(form.FormCreate());
    child<QPushButton>(form, "OKButton")->click();
    child<QPushButton>(form, "PrintButton")->click();
    // Two pages for each of the classes of grade 1.
    EXPECT_EQ(r.count("text 200 200 桜ヶ丘中学校    令和８年度    第１回"), r.count("page "));
    EXPECT_GT(r.count("page "), 0);
}

TEST_F(ProofsheetWindowTest, AMissingRosterSkipsOnlyItsGrade) {
    std::filesystem::remove(r.roster());
    click("PrintButton");
    EXPECT_EQ(r.messages.count(text::kRosterMissingPrint), 1);
    EXPECT_EQ(r.printer.dialogsShown(), 2);
}

TEST_F(ProofsheetWindowTest, ATestWithoutScoresSaysSoOnce) {
    for (int grade = 1; grade <= 3; ++grade)
        std::filesystem::remove(scorePath(r.services.dir, r.request.year, 1, grade));
    click("PrintButton");  // the three grades checked
    EXPECT_EQ(r.messages.count(text::kScoresMissingPrint), 1);
    EXPECT_EQ(r.printer.dialogsShown(), 0);
}

}  // namespace
