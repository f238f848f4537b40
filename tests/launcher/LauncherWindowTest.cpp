#include <gtest/gtest.h>

#include <QListWidget>
#include <QSettings>
#include <QTableWidget>
#include <QtTest/QTest>
#include <memory>

#include "DemoYear.h"
#include "Fixtures.h"
#include "LauncherWindow.h"
#include "QtTestApp.h"

using namespace jitsu;
using jitsu::launcher::LauncherWindow;

namespace {

class LauncherWindowTest : public ::testing::Test, protected FakeServices {
protected:
    LauncherWindowTest() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(settingsDir.path().string()));
        QCoreApplication::setOrganizationName("jitsuryoku-test");
    }

    // The window on the test folder, as started with -C, once the folder has been read.
    std::unique_ptr<LauncherWindow> open() {
        auto w = std::make_unique<LauncherWindow>(services);
        w->dataDirNamed();
        EXPECT_TRUE(w->FormCreate());
        EXPECT_TRUE(QTest::qWaitFor([&] { return button(*w, "basesetupButton")->isEnabled(); }));
        return w;
    }
    static QString firstFinding(const LauncherWindow& w) {
        const QListWidgetItem* item = child<QListWidget>(w, "FindingsL")->item(0);
        return item ? item->text() : QString();
    }
    static QPushButton* button(const LauncherWindow& w, const char* name) {
        return child<QPushButton>(w, name);
    }
    static QString folderShown(const LauncherWindow& w) {
        return child<QLineEdit>(w, "FolderE")->text();
    }

    TempDir settingsDir;
};

}  // namespace

TEST_F(LauncherWindowTest, OtherProgramsWaitUntilTheBasicDataFileExists) {
    auto w = open();
    EXPECT_EQ(folderShown(*w).toStdString(), dir.path().string());
    EXPECT_TRUE(button(*w, "basesetupButton")->isEnabled());
    EXPECT_FALSE(button(*w, "summaryprintButton")->isEnabled());

    std::vector<std::string> written;
    ASSERT_TRUE(writeDemoYear(dir.path(), false, written));
    QTRY_VERIFY(button(*w, "summaryprintButton")->isEnabled());  // the folder is watched
    EXPECT_GT(child<QTableWidget>(*w, "FilesSG")->rowCount(), 0);

    LauncherWindow next(services);  // the folder is remembered for the next start
    EXPECT_TRUE(next.FormCreate());
    EXPECT_EQ(folderShown(next), folderShown(*w));
}

TEST_F(LauncherWindowTest, AProgramThatIsNotThereIsReported) {
    button(*open(), "basesetupButton")->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "プログラム jitsuryoku-basesetup が見つかりません。");
}

// The check's findings under the table; a roster import is written only on Yes.
TEST_F(LauncherWindowTest, ShowsFindingsAndImportsARosterOnlyWhenConfirmed) {
    std::vector<std::string> written;
    ASSERT_TRUE(writeDemoYear(dir.path(), false, written));
    auto w = std::make_unique<LauncherWindow>(services);
    w->dataDirNamed();
    ASSERT_TRUE(w->FormCreate());
    // The window opens before the folder is read: the table fills in afterwards.
    EXPECT_EQ(child<QTableWidget>(*w, "FilesSG")->rowCount(), 0);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return firstFinding(*w) == QStringLiteral("問題は見つかりませんでした。"); }));
    EXPECT_GT(child<QTableWidget>(*w, "FilesSG")->rowCount(), 0);
    EXPECT_FALSE(button(*w, "ExportButton")->isEnabled());  // no results file yet

    const std::string roster = readBytes(dir / "N261.csv");
    writeBytes(dir / "in.csv", "組,番号,氏名\n1,1,佐藤　一郎\n");
    messages.answers = {MessageAnswer::No};
    w->importRoster(QString::fromStdString((dir / "in.csv").string()), 1);
    EXPECT_EQ(messages.shown.at(0).safeAnswer, MessageAnswer::No);
    EXPECT_EQ(readBytes(dir / "N261.csv"), roster);
    w->importRoster(QString::fromStdString((dir / "in.csv").string()), 1);
    EXPECT_EQ(readBytes(dir / "N261.csv"), sj("1,佐藤　一郎\r\n"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return firstFinding(*w).startsWith("error: "); }));
}
