#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <memory>

#include "CheckListBox.h"
#include "MessageTexts.h"
#include "QtTestApp.h"
#include "ReportCase.h"
#include "ReportYear.h"
#include "TForm1.h"

using namespace jitsu;
using jitsu::reportcard::TForm1;

namespace {

class ReportcardWindow : public ReportYearTest {
protected:
    ReportcardWindow() { testApplication(); }

    // The window as the program opens it on `today`; FormCreate's answer in `created`.
    std::unique_ptr<TForm1> open(LocalDate today) {
        clock = FixedClock(today);
        auto form = std::make_unique<TForm1>(services);
        created = form->FormCreate();
        return form;
    }

    // The window after OK with test 2 (June) and every class ticked.
    std::unique_ptr<TForm1> fixed() {
        writeYear();
        auto form = open({2001, 5, 15});
        form->chooser.OKButton->click();
        return form;
    }

    // The grades whose students have a report in the trace, in printing order: "1", "3" ….
    std::string gradesPrinted() const {
        std::string grades;
        for (const std::string& line : linesStarting(traceLines(), "text 2300 ")) {
            const char grade = line[line.find("年生徒") - 1];
            if (grades.empty() || grades.back() != grade) grades += grade;
        }
        return grades;
    }

    bool created = false;
};

TEST_F(ReportcardWindow, OKLeavesTheBoxesTheUserSetBeforeIt) {
    writeYear();
    auto form = open({2001, 5, 15});
    form->EikokusuChB->setChecked(false);
    form->EisuChB->setChecked(true);
    form->OKButtonClick();
    EXPECT_FALSE(form->EikokusuChB->isChecked());
    EXPECT_TRUE(form->EisuChB->isChecked());
    EXPECT_TRUE(form->Kyouka5ChB->isChecked());
}

TEST_F(ReportcardWindow, RunRunsOnlyTheGradesWithATickedClass) {
    auto form = fixed();
    form->G2DButtonClick();
    form->PrintButton->click();
    EXPECT_EQ(printer.dialogsShown(), 2);
    EXPECT_EQ(gradesPrinted(), "13");
    EXPECT_TRUE(std::filesystem::exists(results(2, 1)));
    EXPECT_FALSE(std::filesystem::exists(results(2, 2)));
    EXPECT_TRUE(std::filesystem::exists(results(2, 3)));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ReportcardWindow, AMissingRosterOfGrade1IsAnnouncedOnceAndGrades2And3StillRun) {
    auto form = fixed();
    std::filesystem::remove(rosterPath(dir.path(), "N", 2001, 1));
    form->PrintButtonClick();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::kRosterMissingPrint);
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(printer.dialogsShown(), 2);
    EXPECT_EQ(gradesPrinted(), "23");
    EXPECT_FALSE(std::filesystem::exists(results(2, 1)));
    EXPECT_TRUE(std::filesystem::exists(results(2, 2)));
    EXPECT_TRUE(std::filesystem::exists(results(2, 3)));
    EXPECT_TRUE(form->PrintButton->isEnabled());
}

TEST_F(ReportcardWindow, RunReadsTheCombinationsMagnificationsAndCopiesWhenPressed) {
    auto form = fixed();
    form->G2DButtonClick();
    form->G3DButtonClick();
    form->classLists.checkListBoxes[0]->setChecked(1, false);
    form->classLists.checkListBoxes[0]->setChecked(2, false);
    form->PrintButtonClick();
    const std::string firstRun = readBytes(results(2, 1));

    for (QCheckBox* box : form->combinationBoxes) box->setChecked(false);
    form->KokusuChB->setChecked(true);
    form->BairituUD->setValue(80);
    form->MojiBairituUD->setValue(50);
    form->BusuUD->setValue(2);
    trace.str("");
    form->PrintButtonClick();
    const std::string secondRun = readBytes(results(2, 1));
    EXPECT_NE(secondRun, firstRun);  // recomputed and rewritten
    EXPECT_EQ(secondRun.substr(secondRun.rfind('\n')), "\n0 0 0 0 0 0 1 0 0");
    auto lines = traceLines();
    EXPECT_EQ(linesStarting(lines, "page ").size(), 4u);  // class 1: two pages, two copies
    EXPECT_EQ(linesStarting(lines, "text 224 222 第２回実力テスト　個人成績票").size(), 4u);
    EXPECT_EQ(linesStarting(lines, "font 6 bold").size(), 4u);
    EXPECT_EQ(linesStarting(lines, "text 1440 321 国数").size(), 4u);  // (500 + 260 × 5) × 0.8
}

}  // namespace
