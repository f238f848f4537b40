#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
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

template <typename T>
T* control(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// One control of the window: where it stands (an empty size: a label, sized to its text), its
// caption and its font's pixel height.
struct ControlCase {
    const char* name;
    QRect geometry;
    const char* caption;
    int fontPixels;
};
void PrintTo(const ControlCase& c, std::ostream* os) { *os << c.name; }

class ReportcardControls : public testing::TestWithParam<ControlCase> {
protected:
    ReportcardControls() { testApplication(); }
};

TEST_P(ReportcardControls, StandsWhereTheWindowPutsItWithItsCaptionAndFont) {
    const ControlCase& c = GetParam();
    std::ostringstream trace;
    TracePrinter printer(trace);
    FakeMessages messages;
    FixedClock clock({2001, 5, 15});
    Services services{".", messages, printer, clock};
    TForm1 form(services);
    auto* widget = control<QWidget>(form, c.name);
    ASSERT_NE(widget, nullptr);
    if (c.geometry.isEmpty()) {
        EXPECT_EQ(widget->pos(), c.geometry.topLeft());
    } else {
        EXPECT_EQ(widget->geometry(), c.geometry);
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        EXPECT_EQ(label->text(), QString::fromUtf8(c.caption));
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        EXPECT_EQ(button->text(), QString::fromUtf8(c.caption));
    }
    EXPECT_EQ(widget->font().pixelSize(), c.fontPixels);
}

INSTANTIATE_TEST_SUITE_P(
    Window, ReportcardControls,
    testing::Values(ControlCase{"NendoUD", {24, 40, 81 + 15, 25}, "", 17},
                    ControlCase{"KaisuCB", {24, 72, 97, 25}, "", 17},
                    ControlCase{"OKButton", {24, 120, 97, 25}, "ＯＫ", 13},
                    ControlCase{"NendoE", {24, 40, 97, 25}, "", 17},
                    ControlCase{"KaisuE", {24, 72, 97, 25}, "", 17},
                    ControlCase{"ExitButton", {24, 288, 97, 25}, "終了", 12},
                    ControlCase{"Label1", {166, 16, 0, 0}, "１年", 16},
                    ControlCase{"Label3", {342, 16, 0, 0}, "３年", 16},
                    ControlCase{"CheckListBox2", {232, 40, 73, 217}, "", 19},
                    ControlCase{"G1Button", {144, 264, 73, 25}, "全選択", 12},
                    ControlCase{"G3DButton", {320, 288, 73, 25}, "全クリアー", 12},
                    ControlCase{"EikokusuChB", {420, 40, 81, 17}, "英国数", 16},
                    ControlCase{"EikokushaChB", {520, 40, 81, 17}, "英国社", 16},
                    ControlCase{"EisuriChB", {620, 40, 81, 17}, "英数理", 16},
                    ControlCase{"Kyouka5ChB", {420, 70, 81, 17}, "５ 教科", 16},
                    ControlCase{"EikokuChB", {420, 100, 81, 17}, "英国", 16},
                    ControlCase{"EisuChB", {520, 100, 81, 17}, "英数", 16},
                    ControlCase{"KokusuChB", {620, 100, 81, 17}, "国数", 16},
                    ControlCase{"EikokusushaChB", {420, 130, 86, 17}, "英国数社", 16},
                    ControlCase{"EikokusuriChB", {520, 130, 86, 17}, "英国数理", 16},
                    ControlCase{"Label8", {420, 178, 0, 0}, "印刷倍率", 13},
                    ControlCase{"Label5", {492, 178, 0, 0}, "枠 ：", 13},
                    ControlCase{"Label6", {592, 178, 0, 0}, "文字 ：", 13},
                    ControlCase{"BairituUD", {520, 176, 40 + 18, 25}, "", 17},
                    ControlCase{"MojiBairituUD", {632, 176, 40 + 15, 25}, "", 17},
                    ControlCase{"Label4", {420, 216, 0, 0}, "印刷部数", 13},
                    ControlCase{"BusuUD", {492, 216, 40 + 18, 25}, "", 17},
                    ControlCase{"PrintButton", {492, 264, 160, 25}, "実行", 13},
                    ControlCase{"Panel2", {492, 288, 80, 25}, "", 12},
                    ControlCase{"PrintCheck", {16, 4, 60, 17}, "印刷", 12},
                    ControlCase{"Panel1", {572, 288, 80, 25}, "", 12},
                    ControlCase{"HozonCheck", {16, 4, 60, 17}, "保存", 12}));

TEST_F(ReportcardWindow, OpensInTheChoosingState) {
    writeYear();
    auto form = open({2001, 5, 15});
    ASSERT_TRUE(created);
    const QString title = form->windowTitle();
    EXPECT_TRUE(title.startsWith(QStringLiteral("実力テスト 個人票 印刷　　（")))
        << title.toStdString();
    EXPECT_TRUE(title.endsWith(QStringLiteral("）")));
    EXPECT_EQ(form->size(), QSize(709, 332));

    EXPECT_EQ(control<QLineEdit>(*form, "Nendo")->text(), QStringLiteral("2,001"));
    EXPECT_TRUE(form->chooser.OKButton->isEnabled());
    EXPECT_TRUE(form->chooser.NendoE->isHidden());
    EXPECT_TRUE(form->chooser.KaisuE->isHidden());
    EXPECT_FALSE(form->PrintButton->isEnabled());
    for (int g = 0; g < 3; ++g) {
        EXPECT_FALSE(form->classLists.checkListBoxes[g]->isEnabled());
        EXPECT_EQ(form->classLists.checkListBoxes[g]->count(), 0);
        EXPECT_FALSE(form->classLists.selectButtons[g]->isEnabled());
        EXPECT_FALSE(form->classLists.clearButtons[g]->isEnabled());
    }
    for (int k = 0; k < kCombinations; ++k) {
        EXPECT_EQ(form->combinationBoxes[k]->isChecked(), k == Eikokusu) << k;
        EXPECT_TRUE(form->combinationBoxes[k]->isEnabled()) << k;
    }
    EXPECT_TRUE(form->PrintCheck->isChecked());
    EXPECT_TRUE(form->HozonCheck->isChecked());

    struct Spinner {
        QSpinBox* upDown;
        const char* edit;
        int min, max, value;
    };
    for (const Spinner& s : {Spinner{form->BairituUD, "BairituE", 80, 200, 100},
                             Spinner{form->MojiBairituUD, "MojiBairituE", 50, 200, 100},
                             Spinner{form->BusuUD, "BusuE", 1, 10, 1}}) {
        EXPECT_EQ(s.upDown->minimum(), s.min) << s.edit;
        EXPECT_EQ(s.upDown->maximum(), s.max) << s.edit;
        EXPECT_EQ(s.upDown->value(), s.value) << s.edit;
        EXPECT_FALSE(s.upDown->wrapping()) << s.edit;
        EXPECT_EQ(control<QLineEdit>(*form, s.edit)->text(), QString::number(s.value));
    }
    EXPECT_EQ(form->BairituE, control<QLineEdit>(*form, "BairituE"));
    EXPECT_EQ(form->BusuE, control<QLineEdit>(*form, "BusuE"));
}

TEST_F(ReportcardWindow, WithoutTheBasicDataFileTheProgramEnds) {
    auto form = open({2001, 5, 15});
    EXPECT_FALSE(created);
    EXPECT_EQ(messages.beeps, 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::kBasicDataMissing);
    EXPECT_EQ(messages.shown[0].title, text::kConfirm);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
}

TEST_F(ReportcardWindow, Grade1sTestCountAloneMakesTheTestList) {
    data.grades[0].testCount = 3;
    data.grades[1].testCount = 5;
    writeYear();
    auto september = open({2001, 8, 10});
    ASSERT_EQ(september->chooser.KaisuCB->count(), 3);
    EXPECT_EQ(september->chooser.KaisuCB->itemText(0), QStringLiteral("第１回"));
    EXPECT_EQ(september->chooser.KaisuCB->currentText(), QStringLiteral("第３回"));
    auto december = open({2001, 11, 10});  // asks for 4 tests
    EXPECT_EQ(december->chooser.KaisuCB->currentText(), QStringLiteral("第１回"));
}

TEST_F(ReportcardWindow, WithoutTestsNeitherOKNorRunDoesAnything) {
    data.grades[0].testCount = 0;
    writeYear();
    auto form = open({2001, 5, 15});
    EXPECT_EQ(form->chooser.KaisuCB->currentIndex(), -1);
    EXPECT_FALSE(form->chooser.OKButton->isEnabled());
    form->OKButtonClick();
    EXPECT_TRUE(form->chooser.NendoE->isHidden());
    EXPECT_FALSE(form->PrintButton->isEnabled());
    form->PrintButtonClick();
    EXPECT_EQ(trace.str(), "");
}

TEST_F(ReportcardWindow, OKFixesYearAndTestAndFillsTheClassLists) {
    data.grades[2].classCount = 2;
    auto form = fixed();
    EXPECT_TRUE(form->chooser.OKButton->isHidden());
    EXPECT_FALSE(form->chooser.OKButton->isEnabled());
    EXPECT_TRUE(form->chooser.NendoUD->isHidden());
    EXPECT_TRUE(form->chooser.KaisuCB->isHidden());
    EXPECT_EQ(form->chooser.NendoE->text(), QStringLiteral("  2,001年度"));
    EXPECT_FALSE(form->chooser.NendoE->isHidden());
    EXPECT_EQ(form->chooser.KaisuE->text(), QStringLiteral("  第２回"));
    for (int g = 0; g < 3; ++g) {
        CheckListBox* box = form->classLists.checkListBoxes[g];
        EXPECT_TRUE(box->isEnabled());
        ASSERT_EQ(box->count(), g == 2 ? 2 : 3);
        EXPECT_EQ(box->item(0)->text(), QStringLiteral("１組"));
        EXPECT_EQ(box->item(1)->text(), QStringLiteral("２組"));
        EXPECT_EQ(box->checkedStates(), std::vector<bool>(g == 2 ? 2 : 3, true));
        EXPECT_TRUE(form->classLists.selectButtons[g]->isEnabled());
        EXPECT_TRUE(form->classLists.clearButtons[g]->isEnabled());
    }
    EXPECT_TRUE(form->PrintButton->isEnabled());
}

TEST_F(ReportcardWindow, AfterTheFirstTestOnly英国数IsTicked) {
    writeYear();
    auto form = open({2001, 3, 15});  // April: test 1
    form->OKButtonClick();
    EXPECT_EQ(form->chooser.KaisuE->text(), QStringLiteral("  第１回"));
    for (int k = 0; k < kCombinations; ++k)
        EXPECT_EQ(form->combinationBoxes[k]->isChecked(), k == Eikokusu) << k;
}

TEST_F(ReportcardWindow, AfterALaterTest５教科英数理And英国社AreTickedToo) {
    writeYear();
    auto form = open({2001, 5, 15});
    form->OKButtonClick();
    const std::vector<QCheckBox*> ticked = {form->EikokusuChB, form->Kyouka5ChB, form->EisuriChB,
                                            form->EikokushaChB};
    for (int k = 0; k < kCombinations; ++k) {
        QCheckBox* box = form->combinationBoxes[k];
        EXPECT_EQ(box->isChecked(), std::count(ticked.begin(), ticked.end(), box) == 1) << k;
    }
}

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

TEST_F(ReportcardWindow, TheSelectAndClearButtonsTickAndClearOneGrade) {
    auto form = fixed();
    form->classLists.clearButtons[1]->click();
    EXPECT_FALSE(form->classLists.anyChecked(1));
    EXPECT_TRUE(form->classLists.anyChecked(0));
    form->classLists.checkListBoxes[1]->setChecked(0, true);
    form->classLists.clearButtons[0]->click();
    form->classLists.selectButtons[1]->click();
    EXPECT_EQ(form->classLists.checkedClasses(1), std::vector<bool>(3, true));
    EXPECT_FALSE(form->classLists.anyChecked(0));
    form->G3DButtonClick();
    EXPECT_FALSE(form->classLists.anyChecked(2));
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

TEST_F(ReportcardWindow, WithNoClassTickedNothingIsReadOrWritten) {
    auto form = fixed();
    for (int g = 1; g <= 3; ++g) std::filesystem::remove(rosterPath(dir.path(), "N", 2001, g));
    form->G1DButtonClick();
    form->G2DButtonClick();
    form->G3DButtonClick();
    form->PrintButtonClick();
    EXPECT_TRUE(messages.shown.empty());  // a roster read would have been missed
    EXPECT_EQ(printer.dialogsShown(), 0);
    EXPECT_EQ(trace.str(), "");
    for (int g = 1; g <= 3; ++g) EXPECT_FALSE(std::filesystem::exists(results(2, g)));
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

TEST_F(ReportcardWindow, AnUnwritableResultsFileIsAnnouncedAndTheReportsStillPrint) {
    auto form = fixed();
    std::filesystem::create_directory(results(2, 1));
    form->PrintButtonClick();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "データの保存に失敗しました。担当者に連絡してください。");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(gradesPrinted(), "123");
    EXPECT_TRUE(std::filesystem::exists(results(2, 2)));
}

TEST_F(ReportcardWindow, WithTheSaveBoxClearedTheResultsFilesAreUntouched) {
    auto form = fixed();
    writeBytes(results(2, 1), "earlier run");
    form->HozonCheck->setChecked(false);
    form->PrintButtonClick();
    EXPECT_EQ(readBytes(results(2, 1)), "earlier run");
    EXPECT_FALSE(std::filesystem::exists(results(2, 2)));
    EXPECT_EQ(gradesPrinted(), "123");
}

TEST_F(ReportcardWindow, WithThePrintBoxClearedNoDialogIsShownAndNothingPrinted) {
    auto form = fixed();
    form->PrintCheck->setChecked(false);
    form->PrintButtonClick();
    EXPECT_EQ(printer.dialogsShown(), 0);
    EXPECT_EQ(trace.str(), "job A4 portrait\njob A4 portrait\njob A4 portrait\n");
    for (int g = 1; g <= 3; ++g) EXPECT_TRUE(std::filesystem::exists(results(2, g)));
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

TEST_F(ReportcardWindow, ExitClosesTheWindow) {
    auto form = fixed();
    form->show();
    form->ExitButton->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(std::filesystem::exists(results(2, 1)));  // nothing is saved on closing
}

}  // namespace
