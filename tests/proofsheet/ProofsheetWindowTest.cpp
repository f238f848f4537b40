#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <memory>
#include <sstream>

#include "CheckListBox.h"
#include "CheckListYear.h"
#include "FakeMessages.h"
#include "MessageTexts.h"
#include "QtTestApp.h"
#include "TForm1.h"
#include "TracePrinter.h"

using namespace jitsu;
using jitsu::proofsheet::TForm1;

namespace {

class ProofsheetWindow : public ::testing::Test {
protected:
    ProofsheetWindow() { testApplication(); }

    // Writes the basic data file, and per grade a roster and the score file of test 1.
    void writeYear() {
        ASSERT_TRUE(writeBasicData(basicDataPath(dir.path()), textsOf(data)));
        for (int g = 1; g <= 3; ++g) {
            writeCheckListRoster(dir, g, 9);
            writeCheckListScores(dir, data.grades[g - 1], g, *scores);
        }
    }

    // The window as the program opens it on `today`; FormCreate's answer in `created`.
    std::unique_ptr<TForm1> open(LocalDate today) {
        clock = FixedClock(today);
        auto form = std::make_unique<TForm1>(services);
        created = form->FormCreate();
        return form;
    }

    std::vector<std::string> titles() const {
        std::vector<std::string> result;
        for (const auto& page : tracePages(trace.str())) {
            auto title = textsAt(page, 200, 200);
            result.push_back(title.empty() ? "" : title[0]);
        }
        return result;
    }

    TempDir dir;
    BasicData data = checkListYear();
    std::unique_ptr<TestScores> scores = std::make_unique<TestScores>();
    std::ostringstream trace;
    TracePrinter printer{trace};
    FakeMessages messages;
    FixedClock clock{{2001, 2, 15}};
    Services services{dir.path(), messages, printer, clock};
    bool created = false;
};

template <typename T>
T* control(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

TEST_F(ProofsheetWindow, OpensInTheChoosingStateWithEveryControl) {
    writeYear();
    auto form = open({2001, 2, 15});
    ASSERT_TRUE(created);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("実力テスト点数チェック"));

    EXPECT_EQ(control<QLineEdit>(*form, "Nendo")->text(), QStringLiteral("2,001"));
    EXPECT_EQ(control<QSpinBox>(*form, "NendoUD")->value(), 2001);
    EXPECT_TRUE(control<QPushButton>(*form, "OKButton")->isEnabled());
    EXPECT_EQ(control<QPushButton>(*form, "OKButton")->text(), QStringLiteral("ＯＫ"));
    EXPECT_EQ(control<QPushButton>(*form, "OKButton")->geometry(), QRect(24, 120, 97, 33));
    EXPECT_TRUE(control<QLineEdit>(*form, "NendoE")->isHidden());
    EXPECT_TRUE(control<QLineEdit>(*form, "KaisuE")->isHidden());
    EXPECT_EQ(control<QPushButton>(*form, "ExitButton")->text(), QStringLiteral("終了"));
    const char* const gradeLabels[] = {"１年", "２年", "３年"};
    for (int g = 1; g <= 3; ++g) {
        const std::string n = std::to_string(g);
        EXPECT_EQ(control<QLabel>(*form, ("Label" + n).c_str())->text(),
                  QString::fromUtf8(gradeLabels[g - 1]));
        auto* box = control<CheckListBox>(*form, ("CheckListBox" + n).c_str());
        EXPECT_FALSE(box->isEnabled());
        EXPECT_EQ(box->count(), 0);
        EXPECT_EQ(box->geometry(), QRect(144 + 88 * (g - 1), 40, 73, 217));
        auto* select = control<QPushButton>(*form, ("G" + n + "Button").c_str());
        auto* clear = control<QPushButton>(*form, ("G" + n + "DButton").c_str());
        EXPECT_EQ(select->text(), QStringLiteral("全選択"));
        EXPECT_EQ(clear->text(), QStringLiteral("全クリアー"));
        EXPECT_FALSE(select->isEnabled());
        EXPECT_FALSE(clear->isEnabled());
        EXPECT_EQ(select->geometry(), QRect(152 + 88 * (g - 1), 264, 65, 25));
        EXPECT_EQ(clear->geometry(), QRect(152 + 88 * (g - 1), 288, 65, 25));
    }
    auto* bairitu = control<QSpinBox>(*form, "BairituUD");
    EXPECT_EQ(bairitu->value(), 100);
    EXPECT_EQ(bairitu->minimum(), 80);
    EXPECT_EQ(bairitu->maximum(), 200);
    EXPECT_FALSE(bairitu->wrapping());
    EXPECT_EQ(control<QLineEdit>(*form, "BairituE")->text(), QStringLiteral("100"));
    EXPECT_EQ(control<QSpinBox>(*form, "MonUD")->maximum(), 12);
    EXPECT_EQ(control<QSpinBox>(*form, "DayUD")->maximum(), 31);
    EXPECT_NE(control<QLineEdit>(*form, "MonE"), nullptr);
    EXPECT_NE(control<QLineEdit>(*form, "DayE"), nullptr);
    EXPECT_EQ(control<QLineEdit>(*form, "TeishutusakiE")->text(), QString());
    auto* print = control<QPushButton>(*form, "PrintButton");
    EXPECT_EQ(print->text(), QStringLiteral("印刷"));
    EXPECT_FALSE(print->isEnabled());
}

TEST_F(ProofsheetWindow, WithoutTheBasicDataFileTheProgramEnds) {
    auto form = open({2001, 2, 15});
    EXPECT_FALSE(created);
    EXPECT_EQ(messages.beeps, 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::kBasicDataMissing);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
}

TEST_F(ProofsheetWindow, On31DecemberTheDeadlineIsThe1stOfJanuary) {
    writeYear();
    auto form = open({2001, 11, 31});
    EXPECT_EQ(form->MonUD->value(), 1);
    EXPECT_EQ(form->DayUD->value(), 1);
    EXPECT_EQ(form->MonE->text(), QStringLiteral("1"));
}

TEST_F(ProofsheetWindow, On15MarchWithFiveTestsTheDeadlineIs17MarchAndTheTestThe1st) {
    writeYear();
    auto form = open({2002, 2, 15});
    EXPECT_EQ(form->MonE->text(), QStringLiteral("3"));
    EXPECT_EQ(form->DayE->text(), QStringLiteral("17"));
    EXPECT_EQ(form->chooser.KaisuCB->count(), 5);
    EXPECT_EQ(form->chooser.KaisuCB->currentText(), QStringLiteral("第１回"));
}

TEST_F(ProofsheetWindow, Grade1sTestCountAloneDecidesTheTestList) {
    data.grades[0].testCount = 3;
    data.grades[1].testCount = 5;
    writeYear();
    auto september = open({2001, 8, 10});
    EXPECT_EQ(september->chooser.KaisuCB->count(), 3);
    EXPECT_EQ(september->chooser.KaisuCB->currentText(), QStringLiteral("第３回"));
    auto december = open({2001, 11, 10});  // asks for 4 tests
    EXPECT_EQ(december->chooser.KaisuCB->currentText(), QStringLiteral("第１回"));
}

TEST_F(ProofsheetWindow, WithoutTestsOKStaysDisabledAndDoesNothing) {
    data.grades[0].testCount = 0;
    writeYear();
    auto form = open({2001, 2, 15});
    EXPECT_EQ(form->chooser.KaisuCB->currentIndex(), -1);
    EXPECT_FALSE(form->chooser.OKButton->isEnabled());
    form->OKButtonClick();
    EXPECT_TRUE(form->chooser.NendoE->isHidden());
    EXPECT_FALSE(form->PrintButton->isEnabled());
    form->PrintButtonClick();
    EXPECT_EQ(trace.str(), "");
}

TEST_F(ProofsheetWindow, OKFixesYearAndTestAndFillsTheClassLists) {
    data.grades[2].classCount = 2;
    writeYear();
    auto form = open({2001, 5, 15});  // June: test 2
    form->chooser.OKButton->click();
    EXPECT_TRUE(form->chooser.OKButton->isHidden());
    EXPECT_FALSE(form->chooser.OKButton->isEnabled());
    EXPECT_TRUE(form->chooser.NendoUD->isHidden());
    EXPECT_FALSE(form->chooser.Nendo->isEnabled());
    EXPECT_TRUE(form->chooser.KaisuCB->isHidden());
    EXPECT_FALSE(form->chooser.NendoE->isHidden());
    EXPECT_EQ(form->chooser.NendoE->text(), QStringLiteral("  2,001年度"));
    EXPECT_TRUE(form->chooser.NendoE->isReadOnly());
    EXPECT_EQ(form->chooser.KaisuE->text(), QStringLiteral("  第２回"));
    for (int g = 0; g < 3; ++g) {
        CheckListBox* box = form->classLists.checkListBoxes[g];
        EXPECT_TRUE(box->isEnabled());
        EXPECT_EQ(box->count(), g == 2 ? 2 : 3);
        EXPECT_EQ(box->item(1)->text(), QStringLiteral("２組"));
        EXPECT_EQ(box->checkedStates(), std::vector<bool>(g == 2 ? 2 : 3, true));
        EXPECT_TRUE(form->classLists.selectButtons[g]->isEnabled());
        EXPECT_TRUE(form->classLists.clearButtons[g]->isEnabled());
    }
    EXPECT_TRUE(form->PrintButton->isEnabled());
    EXPECT_TRUE(form->MonUD->isEnabled());
    EXPECT_TRUE(form->BairituUD->isEnabled());
}

TEST_F(ProofsheetWindow, TheSelectAndClearButtonsTickAndClearOneGrade) {
    writeYear();
    auto form = open({2001, 2, 15});
    form->OKButtonClick();
    form->classLists.clearButtons[1]->click();
    EXPECT_FALSE(form->classLists.anyChecked(1));
    EXPECT_TRUE(form->classLists.anyChecked(0));
    EXPECT_TRUE(form->classLists.anyChecked(2));
    form->classLists.checkListBoxes[1]->setChecked(0, true);
    form->classLists.clearButtons[0]->click();
    form->classLists.selectButtons[1]->click();
    EXPECT_EQ(form->classLists.checkedClasses(1), std::vector<bool>(3, true));
    EXPECT_FALSE(form->classLists.anyChecked(0));
}

TEST_F(ProofsheetWindow, PrintingSkipsAGradeWithoutCheckedClasses) {
    writeYear();
    auto form = open({2001, 2, 15});
    form->OKButtonClick();
    form->G2DButtonClick();
    form->classLists.checkListBoxes[2]->setChecked(0, false);
    form->PrintButton->click();
    EXPECT_EQ(printer.dialogsShown(), 2);
    auto t = titles();
    ASSERT_EQ(t.size(), 3u * 2 + 2u * 2);
    for (int p = 0; p < 6; ++p) EXPECT_NE(t[p].find("   1 年   "), std::string::npos) << p;
    EXPECT_NE(t[6].find("   3 年   クラス：２組"), std::string::npos);
    EXPECT_NE(t[9].find("   3 年   クラス：３組"), std::string::npos);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProofsheetWindow, WithNoClassCheckedNothingHappens) {
    writeYear();
    auto form = open({2001, 2, 15});
    form->OKButtonClick();
    for (int g = 0; g < 3; ++g) form->classLists.clearAll(g);
    form->PrintButtonClick();
    EXPECT_EQ(printer.dialogsShown(), 0);
    EXPECT_EQ(trace.str(), "");
}

TEST_F(ProofsheetWindow, ThePagesCarryTheFixedTextsDeadlinePlaceAndMagnification) {
    writeYear();
    auto form = open({2001, 2, 15});
    form->OKButtonClick();
    form->G2DButtonClick();
    form->G3DButtonClick();
    form->classLists.checkListBoxes[0]->setChecked(1, false);
    form->classLists.checkListBoxes[0]->setChecked(2, false);
    form->MonUD->setValue(4);
    form->DayUD->setValue(9);
    form->TeishutusakiE->setText(QStringLiteral("職員室"));
    form->BairituUD->setValue(80);
    form->PrintButtonClick();
    auto pages = tracePages(trace.str());
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0][3], "font 11 bold");
    EXPECT_EQ(
        textsAt(pages[0], 160, 160),
        std::vector<std::string>{
            "桜中    2,001年度    第１回 実力テスト   1 年   クラス：１組    チェック用リスト"});
    EXPECT_EQ(textsAt(pages[0], 320, 400),
              std::vector<std::string>{
                  "修正があればもう１部の方に赤で記入し、職員室 まで提出してください。"});
    EXPECT_EQ(
        textsAt(pages[0], 320, 480),
        std::vector<std::string>{"修正がない場合は、その旨ご連絡ください。期限は 4月 9日です。"});
    EXPECT_EQ(textsAt(pages[0], 240, 640), std::vector<std::string>{"10001"});
}

TEST_F(ProofsheetWindow, AMissingRosterSkipsOnlyItsGrade) {
    writeYear();
    std::filesystem::remove(rosterPath(dir.path(), "N", 2001, 1));
    auto form = open({2001, 2, 15});
    form->OKButtonClick();
    form->PrintButtonClick();
    EXPECT_EQ(messages.count(text::kRosterMissingPrint), 1);
    EXPECT_EQ(printer.dialogsShown(), 2);
    EXPECT_EQ(titles().size(), 12u);
    EXPECT_TRUE(form->PrintButton->isEnabled());
}

}  // namespace
