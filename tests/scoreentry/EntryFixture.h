// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "BasicData.h"
#include "Fixtures.h"
#include "Paths.h"
#include "QtTestApp.h"
#include "ScoreEntryWindow.h"
#include "ScoreGrid.h"
#include "TestScores.h"

// The roster of grade 1 of `year` with the students of `grade`: student k of class c is number
// c*100+k, named 名k.
inline void writeRoster(const std::filesystem::path& dir, unsigned year,
                        const jitsu::GradeData& grade) {
    std::string roster;
    for (int c = 0; c < grade.classes(); ++c)
        for (unsigned k = 1; k <= grade.headCounts[c]; ++k)
            roster +=
                std::to_string((c + 1) * 100 + k) + "," + sj("名") + std::to_string(k) + "\r\n";
    writeBytes(jitsu::rosterPath(dir, "N", year, 1), roster);
}

// A working directory with a school year whose grade 1 is given, a roster for it, and the score
// entry window on it, driven through its window handle and its controls as a user would.
// In April, the first test is preselected.
class EntryWindowTest : public ::testing::Test, protected FakeServices {
protected:
    static constexpr unsigned kYear = 2026;

    jitsu::GradeData grade1;
    std::unique_ptr<jitsu::ScoreEntryWindow> window;

    // The basic data file with `grade` as grade 1 (the other grades one small class each), and
    // the roster of grade 1.
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
        if (withRoster) writeRoster(dir.path(), kYear, grade);
    }

    std::filesystem::path scoreFile() const { return jitsu::scorePath(dir.path(), kYear, 1, 1); }

    jitsu::TestScores savedScores() const {
        jitsu::TestScores scores;
        EXPECT_TRUE(jitsu::readScores(scoreFile(), grade1, scores));
        return scores;
    }

    // Creates the window, shows it and waits until it can take keys.
    void createWindow() {
        window = std::make_unique<jitsu::ScoreEntryWindow>(services);
        ASSERT_TRUE(window->FormCreate());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // The window after OK on grade 1 and the preselected test.
    void openWindow() {
        createWindow();
        click("Button1");
    }

    void click(const char* button) {
        child<QPushButton>(*window, button)->click();
        QCoreApplication::processEvents();
    }
    jitsu::ScoreGrid* grid(int position) const {
        return child<jitsu::ScoreGrid>(*window, position <= 23 ? "TenSG1" : "TenSG2");
    }

    void key(Qt::Key key) {
        QTest::keyClick(window->windowHandle(), key);
        QCoreApplication::processEvents();
    }
    // Types ASCII text key by key, each key pressed and released.
    void type(const char* keys) {
        for (const char* c = keys; *c; ++c) QTest::keyClick(window->windowHandle(), *c);
        QCoreApplication::processEvents();
    }
    // Puts the cursor on student `position` (1 … 45) of the shown class.
    void goToStudent(int position) {
        grid(position)->focusCell(position <= 23 ? position : position - 23);
        QCoreApplication::processEvents();
    }
    // The text of student `position`'s score cell as the user sees it.
    QString scoreCell(int position) const {
        return grid(position)->cellText(position <= 23 ? position : position - 23);
    }
};
