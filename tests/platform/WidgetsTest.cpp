// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QMessageBox>

#include "CheckListBox.h"
#include "QtTestApp.h"
#include "QtTranslations.h"
#include "Widgets.h"

using namespace jitsu;

TEST(YearSpinner, ShowsTheYearWithoutSeparatorWhateverTheLocale) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QWidget window;
    QSpinBox* year = makeYearSpinner(&window, "Nendo", "NendoUD");
    QLocale::setDefault(QLocale::c());
    year->setValue(2001);
    EXPECT_EQ(year->text(), QStringLiteral("2001"));
    EXPECT_EQ(fixedYearText(year), QStringLiteral("  2001年度"));
    year->setValue(2100);
    year->stepBy(1);
    EXPECT_EQ(year->value(), 2100);  // no wrap-around
}

TEST(JapaneseQtTexts, AYesNoBoxReadsHaiAndIie) {
    ASSERT_TRUE(jitsu::installJapaneseQtTexts());
    QMessageBox box(QMessageBox::Question, "確認", "保存しますか？",
                    QMessageBox::Yes | QMessageBox::No);
    // With their keys: はい(&Y), いいえ(&N).
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("はい(&Y)"));
    EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("いいえ(&N)"));
}

// The texts Qt's own translation leaves English, in the dialogs where they appear; the others
// still come from Qt's translation.
TEST(JapaneseQtTexts, TheTextsQtLeavesEnglishAreJapanese) {
    ASSERT_TRUE(jitsu::installJapaneseQtTexts());
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Pages"), QStringLiteral("ページ"));
    EXPECT_EQ(QCoreApplication::translate("QPrintPropertiesWidget", "Advanced"),
              QStringLiteral("詳細設定"));
    EXPECT_EQ(QCoreApplication::translate("QFileSystemModel", "Folder"),
              QStringLiteral("フォルダー"));
    EXPECT_EQ(QCoreApplication::translate("QAbstractFileIconProvider", "%1 File").arg("xlsx"),
              QStringLiteral("xlsx ファイル"));
    QMessageBox box(QMessageBox::Warning, "確認", "保存できませんでした。", QMessageBox::Ok);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("ＯＫ"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
              QStringLiteral("キャンセル"));
}
