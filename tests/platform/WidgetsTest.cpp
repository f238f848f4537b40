#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>

#include "CheckListBox.h"
#include "Clock.h"
#include "QtTestApp.h"
#include "QtTranslations.h"
#include "Widgets.h"

using namespace jitsu;

TEST(YearSpinner, ShowsTheThousandsSeparatorWhateverTheLocale) {
    testApplication();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QWidget window;
    QSpinBox* year = makeYearSpinner(&window, "Nendo", "NendoUD");
    QLocale::setDefault(QLocale::c());
    year->setValue(2001);
    EXPECT_EQ(year->text(), QStringLiteral("2,001"));
    EXPECT_EQ(fixedYearText(year), QStringLiteral("  2,001年度"));
    year->setValue(1999);
    EXPECT_EQ(year->value(), 2000);
    year->setValue(2100);
    year->stepBy(1);
    EXPECT_EQ(year->value(), 2100);  // no wrap-around
    EXPECT_EQ(window.findChild<QSpinBox*>("NendoUD"), year);
    EXPECT_NE(window.findChild<QLineEdit*>("Nendo"), nullptr);
}

TEST(TestCombo, FillsTheListAndPreselectsTheDefaultSilently) {
    testApplication();
    QComboBox combo;
    QSignalSpy changes(&combo, &QComboBox::currentIndexChanged);
    fillTestCombo(&combo, 3, FixedClock({2026, 8, 15}));  // September
    EXPECT_EQ(combo.count(), 3);
    EXPECT_EQ(combo.itemText(2), QStringLiteral("第３回"));
    EXPECT_EQ(combo.currentIndex(), 2);
    fillTestCombo(&combo, 3, FixedClock({2026, 11, 15}));  // December needs 4 tests
    EXPECT_EQ(combo.currentIndex(), 0);
    fillTestCombo(&combo, 0, FixedClock({2026, 11, 15}));
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_FALSE(combo.isEditable());
    EXPECT_EQ(changes.count(), 0);
}

TEST(JapaneseQtTexts, AYesNoBoxReadsHaiAndIie) {
    testApplication();
    ASSERT_TRUE(jitsu::installJapaneseQtTexts());
    QMessageBox box(QMessageBox::Question, "確認", "保存しますか？",
                    QMessageBox::Yes | QMessageBox::No);
    // With their keys: はい(&Y), いいえ(&N).
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("はい(&Y)"));
    EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("いいえ(&N)"));
}
