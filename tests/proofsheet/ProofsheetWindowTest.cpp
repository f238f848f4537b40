#include <gtest/gtest.h>

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

TEST_F(ProofsheetWindow, ThePagesCarryTheFixedTextsDeadlinePlaceAndMagnification) {
    writeYear();
    auto form = open({2001, 2, 15});
    form->OKButtonClick();
    form->G2DButtonClick();
    form->G3DButtonClick();
    form->classLists.checkListBoxes[0]->setChecked(1, false);
    form->classLists.checkListBoxes[0]->setChecked(2, false);
    EXPECT_EQ(form->DayE->text(), QStringLiteral("17"));  // two days after 15 March
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
