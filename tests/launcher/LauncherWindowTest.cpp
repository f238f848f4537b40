#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QtTest/QTest>
#include <sstream>

#include "DemoYear.h"
#include "FakeMessages.h"
#include "Fixtures.h"
#include "LauncherWindow.h"
#include "Paths.h"
#include "QtTestApp.h"
#include "ResultsFile.h"
#include "Statistics.h"
#include "TempDir.h"
#include "TracePrinter.h"

using namespace jitsu;
using jitsu::launcher::LauncherWindow;

namespace {

class LauncherWindowTest : public ::testing::Test {
protected:
    LauncherWindowTest() {
        testApplication();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(settingsDir.path().string()));
        QCoreApplication::setOrganizationName("jitsuryoku-test");
    }

    QPushButton* button(LauncherWindow& w, const char* name) {
        return w.findChild<QPushButton*>(QString::fromLatin1(name));
    }

    TempDir dir, settingsDir;
    std::ostringstream trace;
    TracePrinter printer{trace};
    FakeMessages messages;
    FixedClock clock{{2026, 12, 7}};
    Services services{dir.path(), messages, printer, clock};
};

}  // namespace

TEST_F(LauncherWindowTest, OtherProgramsWaitUntilTheBasicDataFileExists) {
    LauncherWindow w(services);
    w.dataDirNamed();
    w.FormCreate();
    EXPECT_EQ(w.FolderE->text().toStdString(), dir.path().string());
    EXPECT_TRUE(button(w, "basesetupButton")->isEnabled());
    for (const char* name :
         {"scoreentryButton", "proofsheetButton", "reportcardButton", "summaryprintButton"})
        EXPECT_FALSE(button(w, name)->isEnabled()) << name;

    BasicDataTexts texts;
    texts.schoolName = sj("桜中学校");
    texts.testName = sj("実力テスト");
    texts.year = 2026;
    texts.grades[2].testCount = 2;
    ASSERT_TRUE(writeBasicData(basicDataPath(dir.path()), texts));
    QTRY_VERIFY(button(w, "summaryprintButton")->isEnabled());
    EXPECT_EQ(w.FilesSG->rowCount(), 2);
    EXPECT_EQ(w.FilesSG->item(1, 1)->text(), QStringLiteral("第２回"));

    // The folder is remembered for the next start.
    LauncherWindow next(services);
    next.FormCreate();
    EXPECT_EQ(next.FolderE->text(), w.FolderE->text());
}

TEST_F(LauncherWindowTest, AProgramThatIsNotThereIsReported) {
    LauncherWindow w(services);
    w.dataDirNamed();
    w.FormCreate();
    button(w, "basesetupButton")->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "プログラム jitsuryoku-basesetup が見つかりません。");
    EXPECT_EQ(messages.beeps, 1);
}

// The check's findings under the table; a roster import is previewed and written only on Yes.
TEST_F(LauncherWindowTest, ShowsFindingsAndImportsARosterOnlyWhenConfirmed) {
    std::vector<std::string> written;
    ASSERT_TRUE(writeDemoYear(dir.path(), false, written));
    LauncherWindow w(services);
    w.dataDirNamed();
    w.FormCreate();
    ASSERT_EQ(w.FindingsL->count(), 1);
    EXPECT_EQ(w.FindingsL->item(0)->text(), QStringLiteral("問題は見つかりませんでした。"));
    EXPECT_FALSE(w.ExportButton->isEnabled());  // no results file yet

    const std::string roster = readBytes(dir / "N261.csv");
    writeBytes(dir / "in.csv", "組,番号,氏名\n1,1,佐藤　一郎\n");
    messages.answers = {MessageAnswer::No};
    w.importRoster(QString::fromStdString((dir / "in.csv").string()), 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "1年の名簿 N261.csv を、この内容で上書きしますか？");
    EXPECT_EQ(messages.shown[0].safeAnswer, MessageAnswer::No);
    EXPECT_NE(messages.shown[0].detail.find("１\t1\t佐藤　一郎"), std::string::npos);
    EXPECT_EQ(readBytes(dir / "N261.csv"), roster);

    w.importRoster(QString::fromStdString((dir / "in.csv").string()), 1);
    EXPECT_EQ(readBytes(dir / "N261.csv"), sj("1,佐藤　一郎\r\n"));
    EXPECT_TRUE(w.FindingsL->item(0)->text().startsWith("error: "));
}

TEST_F(LauncherWindowTest, TheTrendButtonPrintsTheChosenGradeOfTheFolderShown) {
    BasicData data;
    data.schoolName.assign(sj("桜中学校"));
    data.testName.assign(sj("実力テスト"));
    data.rosterTag.assign("N");
    data.year = 2026;
    data.grades[1] = makeGrade(2, 3, 2, 2);
    ASSERT_TRUE(writeBasicData(basicDataPath(dir.path()), textsOf(data)));
    auto results = std::make_unique<GradeResults>();
    resetGradeResults(*results);
    ASSERT_TRUE(writeResultsFile(resultsPath(dir.path(), 2026, 2, 2), data.grades[1], *results));
    LauncherWindow w(services);
    w.dataDirNamed();
    w.FormCreate();
    w.History->GradeCB->setCurrentIndex(1);
    w.History->ClassesE->setText("3");  // grade 2 has classes 1 and 2
    button(w, "HistoryButton")->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "組の番号は 1 から 2 までを「,」で区切って入れてください。");
    button(w, "TrendButton")->click();  // the whole grade, whatever the classes say
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(printer.dialogsShown(), 1);
    EXPECT_EQ(trace.str().rfind("job A4 landscape\nbegin\npage 1\n", 0), 0u)
        << trace.str().substr(0, 80);
}
