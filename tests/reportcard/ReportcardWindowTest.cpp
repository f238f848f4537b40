#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <memory>

#include "CheckListBox.h"
#include "MessageTexts.h"
#include "QtTestApp.h"
#include "ReportRun.h"
#include "TForm1.h"

using namespace jitsu;
using jitsu::reportcard::TForm1;

namespace {

class ReportcardWindow : public testing::Test {
protected:
    ReportcardWindow() { testApplication(); }

    // The window after OK with test 2 (June) and every class ticked.
    std::unique_ptr<TForm1> fixed() {
        auto form = open();
        form->chooser.OKButton->click();
        return form;
    }
    std::unique_ptr<TForm1> open() {
        auto form = std::make_unique<TForm1>(r.services);
        EXPECT_TRUE(form->FormCreate());
        return form;
    }
    bool saved(int grade) const { return std::filesystem::exists(r.results(2, grade)); }

    ReportRun r;
};

TEST_F(ReportcardWindow, AMissingRosterOfGrade1IsAnnouncedOnceAndGrades2And3StillRun) {
    auto form = fixed();
    std::filesystem::remove(r.roster(1));
    form->PrintButtonClick();
    EXPECT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.count(text::kRosterMissingPrint), 1);
    EXPECT_EQ(r.printer.dialogsShown(), 2);
    EXPECT_FALSE(saved(1));
    EXPECT_TRUE(saved(2));
    EXPECT_TRUE(saved(3));
    EXPECT_TRUE(form->PrintButton->isEnabled());
}

TEST_F(ReportcardWindow, RunReadsTheCombinationsMagnificationsAndCopiesWhenPressed) {
    auto form = fixed();
    form->G2DButtonClick();
    form->G3DButtonClick();
    form->classLists.checkListBoxes[0]->setChecked(1, false);
    form->PrintButtonClick();
    EXPECT_EQ(r.printer.dialogsShown(), 1);
    EXPECT_FALSE(saved(2));  // a grade without a ticked class is not run
    const std::string firstRun = readBytes(r.results(2, 1));
    EXPECT_EQ(firstRun.substr(firstRun.rfind('\n')), "\n1 1 1 1 0 0 0 0 0");  // OK ticked test 2's

    for (QCheckBox* box : form->combinationBoxes) box->setChecked(false);
    form->KokusuChB->setChecked(true);
    form->BairituUD->setValue(80);
    form->MojiBairituUD->setValue(50);
    form->BusuUD->setValue(2);
    r.trace.str("");
    form->PrintButtonClick();
    const std::string secondRun = readBytes(r.results(2, 1));
    EXPECT_NE(secondRun, firstRun);  // recomputed and rewritten
    EXPECT_EQ(secondRun.substr(secondRun.rfind('\n')), "\n0 0 0 0 0 0 1 0 0");
    EXPECT_EQ(r.lines("page ").size(), 2u);  // class 1: one page, two copies
    EXPECT_EQ(r.lines("font 6 bold").size(), 2u);
    EXPECT_EQ(r.lines("text 1440 321 国数").size(), 2u);  // (500 + 260 × 5) × 0.8
}

}  // namespace
