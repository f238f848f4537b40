#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "MessageTexts.h"
#include "QtTestApp.h"
#include "SummaryWindow.h"
#include "YearFixture.h"

using namespace jitsu;
using namespace jitsu::summaryprint;

TEST(SummaryWindow, AMissingBasicDataFileEndsTheProgram) {
    testApplication();
    YearFixture y;
    TForm1 form(y.services);
    EXPECT_FALSE(form.FormCreate());
    ASSERT_EQ(y.messages.shown.size(), 1u);
    EXPECT_EQ(y.messages.shown[0].text, text::kBasicDataMissing);
    EXPECT_EQ(y.messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(y.messages.beeps, 1);
}

TEST(SummaryWindow, StartsWithEveryControlInPlace) {
    testApplication();
    YearFixture y;
    y.writeBasicData();
    TForm1 form(y.services);
    ASSERT_TRUE(form.FormCreate());

    EXPECT_TRUE(
        form.windowTitle().startsWith(QStringLiteral("  実力テスト　各種集計表印刷　　（Ver.")));
    EXPECT_EQ(form.size(), QSize(780, 172));
    EXPECT_EQ(form.GakkoumeiE->text(), QStringLiteral("桜ヶ丘中学校"));
    EXPECT_EQ(form.NendoUD->value(), 2001);
    EXPECT_EQ(form.NendoE->text(), QStringLiteral("2,001"));
    for (QCheckBox* box :
         {form.ClassCB, form.G1CB, form.G2CB, form.G3CB, form.JouishaCB, form.DosuuCB})
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_EQ(form.ClassCB->text(), QStringLiteral("クラス別一覧"));
    EXPECT_EQ(form.JouishaCB->text(), QStringLiteral("成績上位者"));
    EXPECT_EQ(form.DosuuCB->text(), QStringLiteral("クラス別度数分布"));
    EXPECT_EQ(form.G3CB->text(), QStringLiteral("３年"));
    EXPECT_EQ(form.JikkouBtn->text(), QStringLiteral("実行"));
    EXPECT_EQ(form.ExitBtn->text(), QStringLiteral("終了"));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("印刷倍率"));
    EXPECT_EQ(form.Label2->text(), QStringLiteral("枠 ："));
    EXPECT_EQ(form.Label3->text(), QStringLiteral("文字 ："));
    EXPECT_EQ(form.BairituUD->minimum(), 50);
    EXPECT_EQ(form.BairituUD->maximum(), 200);
    EXPECT_EQ(form.BairituUD->value(), 100);
    EXPECT_EQ(form.MojiBairituUD->minimum(), 30);
    EXPECT_EQ(form.MojiBairituUD->maximum(), 200);
    EXPECT_FALSE(form.MojiBairituUD->wrapping());
    EXPECT_EQ(form.DosuuCB->geometry(), QRect(294, 100, 147, 17));
    EXPECT_EQ(form.JikkouBtn->geometry(), QRect(484, 92, 113, 30));
    EXPECT_EQ(form.Bevel2->geometry(), QRect(448, 16, 2, 113));
    EXPECT_TRUE(form.JikkouBtn->isEnabled());

    const char* names[] = {
        "GakkoumeiE",   "NendoE",        "NendoUD", "KaisuCB",  "ClassCB",   "G1CB",      "G2CB",
        "G3CB",         "JouishaCB",     "DosuuCB", "BairituE", "BairituUD", "JikkouBtn", "ExitBtn",
        "MojiBairituE", "MojiBairituUD", "Label1",  "Label2",   "Label3",    "Bevel1",    "Bevel2"};
    for (const char* name : names) EXPECT_NE(form.findChild<QWidget*>(name), nullptr) << name;

    // Tab order, as the focus chain visits the controls.
    const QList<QWidget*> expected = {
        form.GakkoumeiE, form.NendoUD, form.KaisuCB,      form.ClassCB, form.G1CB,
        form.G2CB,       form.G3CB,    form.JouishaCB,    form.DosuuCB, form.BairituUD,
        form.JikkouBtn,  form.ExitBtn, form.MojiBairituUD};
    QList<QWidget*> chain;
    QWidget* w = form.GakkoumeiE;
    do {
        if (expected.contains(w) && !chain.contains(w)) chain.push_back(w);
        w = w->nextInFocusChain();
    } while (w != form.GakkoumeiE);
    EXPECT_EQ(chain, expected);
}

struct TestCounts {
    int counts[3];
    int month;
    int items;
    QString selected;
};

void PrintTo(const TestCounts& c, std::ostream* os) {
    *os << "test counts " << c.counts[0] << "," << c.counts[1] << "," << c.counts[2] << " in month "
        << c.month;
}

class SummaryWindowTests : public testing::TestWithParam<TestCounts> {};

TEST_P(SummaryWindowTests, KaisuHoldsTheLargestTestCountWithItsDefault) {
    testApplication();
    const TestCounts c = GetParam();
    YearFixture y;
    for (int g = 0; g < 3; ++g) y.data.grades[g].testCount = c.counts[g];
    y.writeBasicData();
    FixedClock clock({2001, c.month, 1});
    Services services{y.dir.path(), y.messages, y.printer, clock};
    TForm1 form(services);
    ASSERT_TRUE(form.FormCreate());
    EXPECT_EQ(form.maxTestCount(), c.items);
    EXPECT_EQ(form.KaisuCB->count(), c.items);
    EXPECT_EQ(form.KaisuCB->currentText(), c.selected);
    EXPECT_EQ(form.JikkouBtn->isEnabled(), c.items > 0);
}

INSTANTIATE_TEST_SUITE_P(
    StartUp, SummaryWindowTests,
    testing::Values(TestCounts{{1, 1, 1}, 6, 1, QStringLiteral("第１回")},    // July
                    TestCounts{{1, 3, 1}, 6, 3, QStringLiteral("第２回")},    // grade 2 decides
                    TestCounts{{5, 2, 10}, 0, 10, QStringLiteral("第５回")},  // January
                    TestCounts{{0, 0, 0}, 6, 0, QString()}));                 // no test: no run

TEST(SummaryWindow, JikkouPrintsTheTickedGradesAndListsWithTheUpDownPositions) {
    testApplication();
    YearFixture y;
    y.writeBasicData();
    for (int g = 1; g <= 2; ++g) y.writeGrade(g, 2);
    TForm1 form(y.services);
    ASSERT_TRUE(form.FormCreate());
    form.KaisuCB->setCurrentIndex(1);
    form.G3CB->setChecked(false);
    form.JouishaCB->setChecked(false);
    form.DosuuCB->setChecked(false);
    form.BairituUD->setValue(50);
    form.MojiBairituUD->setValue(30);
    form.JikkouBtn->click();

    EXPECT_TRUE(y.messages.shown.empty());
    EXPECT_EQ(y.printer.dialogsShown(), 2);
    Trace t = y.trace();
    EXPECT_EQ(t.pages, 8);  // two grades, two classes, two pages each
    auto title = t.find("第２回 実力テスト　1ＨＲ  成績一覧");
    ASSERT_EQ(title.size(), 2u);
    EXPECT_EQ(title[0].x, 150);
    EXPECT_EQ(title[0].y, 75);
    EXPECT_EQ(title[0].font, 4);  // 14 × 30 ÷ 100
    EXPECT_TRUE(t.find("受験者：6人").empty());
}

TEST(SummaryWindow, JikkouReportsAMissingRosterAndKeepsTheWindowOpen) {
    testApplication();
    YearFixture y;
    y.writeBasicData();
    TForm1 form(y.services);
    ASSERT_TRUE(form.FormCreate());
    form.show();
    form.JikkouBtn->click();
    ASSERT_EQ(y.messages.shown.size(), 1u);
    EXPECT_EQ(y.messages.shown[0].text, text::kRosterMissingPrint);
    EXPECT_EQ(y.printer.dialogsShown(), 0);
    EXPECT_TRUE(form.isVisible());
}

TEST(SummaryWindow, ExitClosesTheWindow) {
    testApplication();
    YearFixture y;
    y.writeBasicData();
    TForm1 form(y.services);
    ASSERT_TRUE(form.FormCreate());
    form.show();
    ASSERT_TRUE(form.isVisible());
    form.ExitBtn->click();
    EXPECT_FALSE(form.isVisible());
}
