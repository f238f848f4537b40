#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <memory>
#include <sstream>

#include "BasicData.h"
#include "Clock.h"
#include "FakeMessages.h"
#include "Fixtures.h"
#include "Paths.h"
#include "ScoreGrid.h"
#include "Services.h"
#include "TForm1.h"
#include "TempDir.h"
#include "TestScores.h"
#include "TracePrinter.h"

// A working directory with a school year whose grade 1 is given, a roster for it, and the score
// entry window on it, driven through its window handle as a user would.
class EntryWindowTest : public ::testing::Test {
protected:
    static constexpr unsigned kYear = 2026;

    TempDir dir;
    FakeMessages messages;
    std::ostringstream trace;
    jitsu::TracePrinter printer{trace};
    jitsu::FixedClock clock{{2026, 3, 10}};  // April: the first test is preselected
    jitsu::Services services{dir.path(), messages, printer, clock};
    jitsu::GradeData grade1;
    std::unique_ptr<jitsu::TForm1> window;

    // The basic data file with `grade` as grade 1 (the other grades one small class each), and
    // the roster of grade 1: student k of class c is number c*100+k, name "生徒<c>-<k>".
    void writeYear(const jitsu::GradeData& grade, bool withRoster = true) {
        grade1 = grade;
        jitsu::BasicData data;
        data.schoolName.assign(sj("中学校"));
        data.testName.assign(sj("実力テスト"));
        data.year = kYear;
        data.rosterTag.assign("N");
        data.grades[0] = grade;
        data.grades[1] = data.grades[2] = makeGrade(1, 1, 1);
        ASSERT_TRUE(jitsu::writeBasicData(jitsu::basicDataPath(dir.path()), jitsu::textsOf(data)));
        if (!withRoster) return;
        std::string roster;
        for (int c = 0; c < grade.classes(); ++c)
            for (unsigned k = 1; k <= grade.headCounts[c]; ++k)
                roster += std::to_string((c + 1) * 100 + k) + "," + studentName(c, k) + "\r\n";
        writeBytes(jitsu::rosterPath(dir.path(), "N", kYear, 1), roster);
    }

    static std::string studentName(int cls, unsigned position) {
        return sj("生徒") + std::to_string(cls + 1) + "-" + std::to_string(position);
    }

    std::filesystem::path scoreFile(int test = 1) const {
        return jitsu::scorePath(dir.path(), kYear, test, 1);
    }

    void writeScores(const jitsu::TestScores& scores, int test = 1) {
        ASSERT_TRUE(jitsu::writeScores(scoreFile(test), grade1, scores));
    }

    jitsu::TestScores savedScores(int test = 1) const {
        jitsu::TestScores scores;
        EXPECT_TRUE(jitsu::readScores(scoreFile(test), grade1, scores));
        return scores;
    }

    // Creates the window, shows it and waits until it can take keys.
    void createWindow() {
        window = std::make_unique<jitsu::TForm1>(services);
        ASSERT_TRUE(window->FormCreate());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // The window after OK on grade 1 and the preselected test.
    void openWindow() {
        createWindow();
        ASSERT_TRUE(window->Button1Click());
        QCoreApplication::processEvents();
    }

    QWindow* handle() const { return window->windowHandle(); }

    void press(Qt::Key key, const QString& text = QString()) {
        QTest::sendKeyEvent(QTest::Press, handle(), key, text, Qt::NoModifier);
    }
    void release(Qt::Key key, const QString& text = QString()) {
        QTest::sendKeyEvent(QTest::Release, handle(), key, text, Qt::NoModifier);
    }
    void key(Qt::Key key) {
        QTest::keyClick(handle(), key);
        QCoreApplication::processEvents();
    }
    // Types ASCII text key by key, each key pressed and released.
    void type(const char* keys) {
        for (const char* c = keys; *c; ++c) QTest::keyClick(handle(), *c);
        QCoreApplication::processEvents();
    }
    // Puts the cursor on student `position` (1 … 45) of the shown class.
    void goToStudent(int position) {
        jitsu::ScoreGrid* grid = position <= 23 ? window->TenSG1 : window->TenSG2;
        grid->focusCell(position <= 23 ? position : position - 23);
        QCoreApplication::processEvents();
    }

    // The grid and row holding the cursor (the grid with the focus).
    std::pair<QString, int> cursor() const {
        for (jitsu::ScoreGrid* grid : {window->TenSG1, window->TenSG2})
            if (grid->isAncestorOf(QApplication::focusWidget()) || grid->hasFocus())
                return {grid->objectName(), grid->currentRow()};
        return {QString(), -1};
    }

    // The text of student `position`'s score cell as the user sees it.
    QString scoreCell(int position) const {
        return position <= 23 ? window->TenSG1->cellText(position)
                              : window->TenSG2->cellText(position - 23);
    }

    int shownCount(const std::string& text) const { return messages.count(text); }
};
