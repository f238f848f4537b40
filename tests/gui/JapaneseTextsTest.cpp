// SPDX-License-Identifier: GPL-3.0-or-later
// What a teacher reads when things go wrong: every window and the launcher on a damaged folder
// and the usual failures, every text of every box and of the launcher's findings collected, and
// no English word in them (file names and the suite's file names aside).
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <functional>
#include <memory>

#include "BaseSetupWindow.h"
#include "Catalogue.h"
#include "LauncherWindow.h"
#include "ProofsheetWindow.h"
#include "QtTestApp.h"
#include "ReportcardWindow.h"
#include "ScoreEntryWindow.h"
#include "SummaryWindow.h"
#include "TestYear.h"
#include "TracePrinter.h"

using namespace jitsu;
namespace fs = std::filesystem;

namespace {

struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<ProgramWindow>(Services&)> make;
    std::vector<const char*> buttons;  // pressed in turn once it is open (OK, then the work)
};

template <typename W>
std::function<std::unique_ptr<ProgramWindow>(Services&)> maker() {
    return [](Services& services) { return std::make_unique<W>(services); };
}

const WindowCase kWindows[] = {
    {"basesetup", maker<BaseSetupWindow>(), {}},
    {"scoreentry", maker<ScoreEntryWindow>(), {"Button1"}},
    {"proofsheet", maker<proofsheet::ProofsheetWindow>(), {"OKButton", "PrintButton"}},
    {"reportcard", maker<reportcard::ReportcardWindow>(), {"OKButton", "PrintButton"}},
    {"summaryprint", maker<summaryprint::SummaryWindow>(), {"JikkouBtn"}},
};

// What goes wrong in the folder before the window opens.
struct Failure {
    const char* name;
    std::function<void(const fs::path& dir)> make;
};

void removeMatching(const fs::path& dir, const std::string& prefix) {
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().filename().string().starts_with(prefix)) fs::remove(entry.path());
}

const Failure kFailures[] = {
    {"no basic data", [](const fs::path& dir) { fs::remove(dir / "wqnmkiso.txt"); }},
    {"damaged basic data", [](const fs::path& dir) { fs::resize_file(dir / "wqnmkiso.txt", 200); }},
    {"missing rosters", [](const fs::path& dir) { removeMatching(dir, "N26"); }},
    {"missing score files", [](const fs::path& dir) { removeMatching(dir, "JT26"); }},
    // A folder in the place of every results file: each save of one fails.
    {"results that cannot be written",
     [](const fs::path& dir) {
         for (int t = 1; t <= 3; ++t)
             for (int g = 1; g <= 3; ++g) fs::create_directory(resultsPath(dir, 2026, t, g));
     }},
};

// The English words of three letters or more, file names and paths left out.
std::vector<std::string> englishWords(const std::string& utf8) {
    QString text = QString::fromStdString(utf8);
    text.remove(QRegularExpression(QStringLiteral("\\S*/\\S*")));
    text.remove(QRegularExpression(QStringLiteral("[\\w.-]+\\.(txt|csv|tsv|xlsx|pdf)\\b")));
    text.remove(QRegularExpression(QStringLiteral("\\b(JK|JT|N)\\d\\w*")));
    // Encodings' names, as Japanese software writes them.
    text.remove(QRegularExpression(QStringLiteral("UTF-(8|16)")));
    std::vector<std::string> words;
    auto it = QRegularExpression(QStringLiteral("[A-Za-z]{3,}")).globalMatch(text);
    while (it.hasNext()) words.push_back(it.next().captured().toStdString());
    return words;
}

class JapaneseTexts : public ::testing::Test {
protected:
    JapaneseTexts() {
        EXPECT_TRUE(speakJapanese());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(settings.path().string()));
        QCoreApplication::setOrganizationName("jitsuryoku-test");
    }
    ~JapaneseTexts() override { speakEnglish(); }

    // Every text shown, with where it was shown, for the failure message.
    void expectJapanese(const std::string& where, const std::string& text) {
        ++textsSeen;
        for (const std::string& word : englishWords(text))
            ADD_FAILURE() << where << ": \"" << word << "\" in: " << text;
    }
    // A box's text and title as the message service shows them: through the catalogue.
    void expectBoxesJapanese(const std::string& where, const FakeMessages& messages) {
        for (const FakeMessages::Shown& box : messages.shown) {
            expectJapanese(where, std::string(tr(box.text)));
            expectJapanese(where, std::string(tr(box.title)));
            expectJapanese(where, box.detail);
        }
    }

    TempDir settings;
    int textsSeen = 0;
};

TEST_F(JapaneseTexts, EveryWindowSpeaksJapaneseWhenTheFolderFails) {
    for (const Failure& failure : kFailures) {
        for (const WindowCase& window : kWindows) {
            TestYear year;
            failure.make(year.path());
            FakeMessages messages;
            std::ostringstream trace;
            TracePrinter printer(trace);
            FixedClock clock({2026, 6, 10});
            Services services{year.path(), messages, printer, clock};
            auto form = window.make(services);
            if (form->FormCreate())
                for (const char* name : window.buttons)
                    if (auto* button = form->findChild<QPushButton*>(name);
                        button && button->isEnabled())
                        button->click();
            expectBoxesJapanese(std::string(window.name) + ", " + failure.name, messages);
        }
    }
    EXPECT_GT(textsSeen, 20);  // the failures were met, and said so
}

TEST_F(JapaneseTexts, TheLaunchersFindingsAreJapanese) {
    for (const Failure& failure : kFailures) {
        TestYear year;
        failure.make(year.path());
        if (fs::exists(year.path() / "JT26_1_1.txt"))
            fs::resize_file(year.path() / "JT26_1_1.txt", 300);  // and a damaged score file
        FakeMessages messages;
        std::ostringstream trace;
        TracePrinter printer(trace);
        FixedClock clock({2026, 6, 10});
        Services services{year.path(), messages, printer, clock};
        launcher::LauncherWindow form(services);
        form.dataDirNamed();
        ASSERT_TRUE(form.FormCreate());
        form.show();  // the folder is read after the first paint
        auto* findings = form.findChild<QListWidget*>("FindingsL");
        auto* status = form.findChild<QLabel*>("StatusL");
        // Read off the GUI thread: done once the folder is described and the list no longer
        // says it is checking.
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return !status->text().isEmpty() &&
                   (findings->count() == 0 || !findings->item(0)->text().endsWith("…"));
        }));
        expectJapanese(std::string("launcher, ") + failure.name, status->text().toStdString());
        for (int i = 0; i < findings->count(); ++i)
            expectJapanese(std::string("launcher, ") + failure.name,
                           findings->item(i)->text().toStdString());
        expectBoxesJapanese(std::string("launcher, ") + failure.name, messages);
    }
}

}  // namespace
