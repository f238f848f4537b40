#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <memory>

#include "CheckListBox.h"
#include "CheckListRun.h"
#include "MessageTexts.h"
#include "QtTestApp.h"
#include "TForm1.h"

using namespace jitsu;
using jitsu::proofsheet::TForm1;

namespace {

class ProofsheetWindow : public ::testing::Test {
protected:
    ProofsheetWindow() { testApplication(); }

    // The window on 15 March after OK: test 1, every class checked.
    std::unique_ptr<TForm1> fixed() {
        auto form = std::make_unique<TForm1>(r.services);
        EXPECT_TRUE(form->FormCreate());
        form->OKButtonClick();
        return form;
    }

    CheckListRun r;
};

// The deadline, place and magnification typed reach the pages of the checked classes only.
TEST_F(ProofsheetWindow, ThePagesCarryTheDeadlinePlaceAndMagnification) {
    auto form = fixed();
    EXPECT_EQ(form->DayE->text(), QStringLiteral("17"));  // two days after 15 March
    form->G2DButtonClick();
    form->G3DButtonClick();
    form->classLists.checkListBoxes[0]->setChecked(1, false);
    form->MonUD->setValue(4);
    form->DayUD->setValue(9);
    form->TeishutusakiE->setText(QStringLiteral("職員室"));
    form->BairituUD->setValue(80);
    form->PrintButtonClick();
    EXPECT_EQ(r.printer.dialogsShown(), 1);
    EXPECT_EQ(r.count("page "), 2);
    EXPECT_EQ(r.count("font 11 bold"), 2);  // 14 × 80 ÷ 100
    EXPECT_EQ(r.count("text 160 160 "), 2);
    EXPECT_EQ(r.count("text 320 400 修正があればもう１部の方に赤で記入し、職員室 まで提出"), 2);
    EXPECT_EQ(r.count("text 320 480 修正がない場合は、その旨ご連絡ください。期限は 4月 9日です。"),
              2);
}

TEST_F(ProofsheetWindow, AMissingRosterSkipsOnlyItsGrade) {
    std::filesystem::remove(r.roster());
    auto form = fixed();
    form->PrintButtonClick();
    EXPECT_EQ(r.messages.count(text::kRosterMissingPrint), 1);
    EXPECT_EQ(r.printer.dialogsShown(), 2);
    EXPECT_TRUE(form->PrintButton->isEnabled());
}

}  // namespace
