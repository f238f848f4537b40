// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QSettings>
#include <QTableWidget>
#include <QtTest/QTest>
#include <memory>

#include "AtomicWrite.h"
#include "Cp932.h"
#include "DemoYear.h"
#include "FileVersions.h"
#include "Fixtures.h"
#include "FolderSettings.h"
#include "Golden.h"
#include "LauncherWindow.h"
#include "MarksText.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "QtTestApp.h"
#include "QuestionFile.h"
#include "ResultsAge.h"
#include "RosterAlignment.h"

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

    // The window on the test folder, as started with -C, once it has shown and read the folder.
    std::unique_ptr<LauncherWindow> open() {
        auto w = std::make_unique<LauncherWindow>(services);
        w->dataDirNamed();
        EXPECT_TRUE(w->FormCreate());
        w->show();
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
    void writeYear() {
        std::vector<Reason> written;
        ASSERT_TRUE(writeDemoYear(dir.path(), false, written));
    }

    TempDir settingsDir;
};

}  // namespace

TEST_F(LauncherWindowTest, OtherProgramsWaitUntilTheBasicDataFileExists) {
    auto w = open();
    EXPECT_EQ(folderShown(*w).toStdString(), dir.path().string());
    EXPECT_TRUE(button(*w, "basesetupButton")->isEnabled());
    EXPECT_FALSE(button(*w, "summaryprintButton")->isEnabled());

    writeYear();
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

// The era chosen for the printed pages is the folder's setting, shown again on the next start.
TEST_F(LauncherWindowTest, TheEraChoiceIsTheFoldersSetting) {
    writeYear();
    auto w = open();
    auto* era = child<QComboBox>(*w, "EraCB");
    EXPECT_EQ(era->currentIndex(), 0);
    w->EraChosen(1);
    FolderSettings settings;
    ASSERT_TRUE(readFolderSettings(dir.path(), settings));
    EXPECT_EQ(settings.era, Era::Wareki);
    auto next = open();
    EXPECT_EQ(child<QComboBox>(*next, "EraCB")->currentIndex(), 1);
    EXPECT_TRUE(messages.shown.empty());
}

// The check's findings under the table; a roster import is written only on Yes.
TEST_F(LauncherWindowTest, ShowsFindingsAndImportsARosterOnlyWhenConfirmed) {
    writeYear();
    auto w = std::make_unique<LauncherWindow>(services);
    w->dataDirNamed();
    ASSERT_TRUE(w->FormCreate());
    // Nothing is read before the window has painted: the table fills in afterwards.
    EXPECT_EQ(child<QTableWidget>(*w, "FilesSG")->rowCount(), 0);
    w->show();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return firstFinding(*w) == QStringLiteral("問題は見つかりませんでした。"); }));
    EXPECT_FALSE(button(*w, "ExportButton")->isEnabled());  // no results file yet

    const std::string roster = readBytes(dir / "N261.csv");
    writeBytes(dir / "in.csv", "組,番号,氏名\n1,1,佐藤　一郎\n");
    messages.answers = {MessageAnswer::No};
    const std::string scores = readBytes(dir / "JT26_2_1.txt");
    w->importRoster(QString::fromStdString((dir / "in.csv").string()), 1);
    EXPECT_EQ(messages.shown.at(0).safeAnswer, MessageAnswer::No);
    EXPECT_EQ(readBytes(dir / "N261.csv"), roster);
    EXPECT_EQ(readBytes(dir / "JT26_2_1.txt"), scores);
    w->importRoster(QString::fromStdString((dir / "in.csv").string()), 1);
    EXPECT_EQ(readBytes(dir / "N261.csv"), sj("1,佐藤　一郎\r\n"));
    EXPECT_NE(readBytes(dir / "JT26_2_1.txt"), scores);
    EXPECT_EQ(messages.shown.back().text, "1 student(s) imported into N261.csv");
    EXPECT_TRUE(QTest::qWaitFor([&] { return firstFinding(*w).startsWith("error: "); }));
    // The head counts no longer fit: the finding opens basesetup, which fixes them (not built
    // beside the test: its absence is reported).
    QListWidget* list = child<QListWidget>(*w, "FindingsL");
    EXPECT_FALSE(list->item(0)->icon().isNull());
    emit list->itemActivated(list->item(0));
    EXPECT_EQ(messages.shown.back().text, "プログラム jitsuryoku-basesetup が見つかりません。");
}

// A wrong save undone from the launcher: only on Yes, and the wrong bytes are kept in turn.
TEST_F(LauncherWindowTest, RestoresAnEarlierVersionWhenConfirmed) {
    writeYear();
    auto w = open();
    EXPECT_FALSE(button(*w, "VersionsButton")->isEnabled());
    const std::string right = readBytes(dir / "JT26_2_1.txt");
    ASSERT_TRUE(writeFileAtomically(dir / "JT26_2_1.txt", "0 \r\n"));
    w->refresh();
    EXPECT_TRUE(QTest::qWaitFor([&] { return button(*w, "VersionsButton")->isEnabled(); }));

    messages.answers = {MessageAnswer::No};
    w->restoreFileVersion("JT26_2_1.txt", 1);
    EXPECT_EQ(messages.shown.at(0).safeAnswer, MessageAnswer::No);
    EXPECT_EQ(readBytes(dir / "JT26_2_1.txt"), "0 \r\n");
    w->restoreFileVersion("JT26_2_1.txt", 1);
    EXPECT_EQ(readBytes(dir / "JT26_2_1.txt"), right);
    EXPECT_EQ(readBytes(listVersions(dir / "JT26_2_1.txt").at(0).path), "0 \r\n");
}

// An export from results older than their scores asks first; No writes nothing.
TEST_F(LauncherWindowTest, AsksBeforeExportingOutOfDateResults) {
    writeYear();
    BasicData data;
    ASSERT_TRUE(readBasicData(basicDataPath(dir.path()), data));
    ASSERT_TRUE(recomputeResults(dir.path(), data.grades[0], data.year, 2, 1));
    const auto results = resultsPath(dir.path(), data.year, 2, 1);
    std::filesystem::last_write_time(
        results, std::filesystem::last_write_time(scorePath(dir.path(), data.year, 2, 1)) -
                     std::chrono::seconds(10));
    auto w = open();
    messages.answers = {MessageAnswer::No};
    w->exportResults({1, 2, {}, {}}, QString::fromStdString((dir / "out.csv").string()));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::kResultsOutOfDate);
    EXPECT_FALSE(std::filesystem::exists(dir / "out.csv"));
    w->exportResults({1, 2, {}, {}}, QString::fromStdString((dir / "out.csv").string()));
    EXPECT_TRUE(std::filesystem::exists(dir / "out.csv"));
}

// A score sheet is shown before it is merged, and merged into the test's score file on Yes.
TEST_F(LauncherWindowTest, ImportsScoresAfterThePreview) {
    writeYear();
    auto w = open();
    EXPECT_TRUE(button(*w, "ScoresButton")->isEnabled());
    writeBytes(dir / "in.csv", "組,番号,英語,備考\n1,1,77,\n1,2,101,\n");
    messages.answers = {MessageAnswer::No};
    w->importScores(QString::fromStdString((dir / "in.csv").string()), 1, 3);
    EXPECT_EQ(messages.shown.size(), 1u);  // the preview's wording: core
    EXPECT_FALSE(std::filesystem::exists(scorePath(dir.path(), 2026, 3, 1)));
    w->importScores(QString::fromStdString((dir / "in.csv").string()), 1, 3);
    EXPECT_TRUE(std::filesystem::exists(scorePath(dir.path(), 2026, 3, 1)));  // the rest: core
}

// Marks per question are shown before they are kept, and kept with their sums on Yes; sheets
// that cannot be read are only told about.
TEST_F(LauncherWindowTest, ImportsQuestionsAfterThePreview) {
    writeYear();
    auto w = open();
    EXPECT_TRUE(button(*w, "QuestionsButton")->isEnabled());
    const auto samples =
        std::filesystem::path(JITSU_TESTDATA_DIR).parent_path().parent_path() / "docs/samples";
    const QString definition = QString::fromStdString((samples / "questions-1-math.csv").string());
    const QString answers = QString::fromStdString((samples / "answers-1-math.csv").string());
    const auto kept = dir / "JS26_3_1_3.txt";
    messages.answers = {MessageAnswer::No};
    w->importQuestions(definition, answers, 1, 3, "数学");
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(kept));
    w->importQuestions(definition, definition, 1, 3, "数学");  // no 組 and 番号: refused
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(kept));
    w->importQuestions(QString::fromStdString((samples / "questions-1-math.xlsx").string()), {}, 1,
                       3, "数学");  // its sheets 設問 and 解答
    EXPECT_TRUE(std::filesystem::exists(kept));
    EXPECT_TRUE(std::filesystem::exists(scorePath(dir.path(), 2026, 3, 1)));
}

// Opening a folder whose roster was edited by hand after its scores were typed asks whether
// the scores follow their students; yes carries them and remembers the roster.
TEST_F(LauncherWindowTest, OpeningAFolderOffersToCarryScoresToAnEditedRoster) {
    writeYear();
    const std::filesystem::path roster = dir / "N261.csv";
    writeBytes(alignedRosterPath(roster), readBytes(roster));
    const std::string before = readBytes(roster);
    const std::string edited =
        "10199," + sj("青木　新太") + "\r\n" + before.substr(before.find('\n') + 1);
    writeBytes(roster, edited);
    const std::string scores = readBytes(dir / "JT26_1_1.txt");
    messages.answers = {MessageAnswer::Yes};
    auto w = open();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("N261.csv"), std::string::npos);
    EXPECT_NE(readBytes(dir / "JT26_1_1.txt"), scores);
    EXPECT_EQ(yearfiles::rosterAlignment(roster), yearfiles::RosterAlignment::Aligned);
}

// The analysis per question prints the report of the grade, test and subject chosen.
TEST_F(LauncherWindowTest, PrintsTheAnalysisPerQuestionChosen) {
    writeYear();
    questions::QuestionMarks marks =
        marksFromText(readBytes(goldenPath("questions-analysis/marks.txt")));
    marks.test = 2;
    marks.subject = toCp932("英語");
    ASSERT_TRUE(questions::writeQuestionFile(questions::questionFilePath(dir.path(), 2026, 2, 1, 1),
                                             marks));
    auto w = open();
    auto* row = w->findChild<launcher::QuestionsRow*>();
    row->TestCB->setCurrentIndex(1);
    row->SubjectE->setText(QStringLiteral("英語"));
    row->ClassesE->setText(QStringLiteral("2"));
    row->ReportButton->click();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(printer.sheetCount(), 4);  // the rates, the groups, class 2's chart and sheets
}
