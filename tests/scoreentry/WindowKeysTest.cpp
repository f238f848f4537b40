// SPDX-License-Identifier: GPL-3.0-or-later
// The keys, clicks and pastes on the score grids: what stays in a cell and where the cursor goes.
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>

#include "EntryFixture.h"
#include "GridLayout.h"

using namespace jitsu;

class GridKeysTest : public EntryWindowTest {
protected:
    void SetUp() override {
        GradeData grade = makeGrade(1, 30, 2);
        grade.fullMarks[0][0] = 100;
        writeYear(grade);
        openWindow();
    }
    // A click on student `position`'s row of the grid that shows it, in `column`.
    void clickRow(int position, int column) {
        ScoreGrid* g = grid(position);
        const int row = position <= 23 ? position : position - 23;
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                          g->visualRect(g->model()->index(row, column)).center());
        QCoreApplication::processEvents();
    }
};

TEST_F(GridKeysTest, FastTypingIsCheckedOnTheLiveTextAndShowsTheTotals) {
    // The next key goes down (+) before the last one comes up (-); 1007 is over the full marks.
    for (const char* event = "+1+0-1+0-0+7-0-7"; *event; event += 2)
        QTest::keyEvent(*event == '+' ? QTest::Press : QTest::Release, window->windowHandle(),
                        event[1]);
    EXPECT_EQ(scoreCell(1), QStringLiteral("100"));
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(child<QLineEdit>(*window, "SotenE")->text(), QStringLiteral("100"));
}

TEST_F(GridKeysTest, AClickAnywhereInARowPutsTheCursorOnThatStudentsScore) {
    for (int column : {0, 1, kScoreColumn}) {  // the number, the name, the score
        clickRow(3 + column, column);
        type(std::to_string(40 + column).c_str());
    }
    clickRow(26, 1);  // a name in the right grid
    type("45");
    EXPECT_EQ(scoreCell(1), QString());
    for (int position : {3, 4, 5})
        EXPECT_EQ(scoreCell(position), QString::number(37 + position)) << position;
    EXPECT_EQ(scoreCell(26), QStringLiteral("45"));
}

TEST_F(GridKeysTest, TextThatArrivesWithoutAKeyIsCheckedAsTypedText) {
    type("7");
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QGuiApplication::clipboard()->setText(QStringLiteral("150"));
    editor->selectAll();
    editor->paste();  // as the context menu's paste and the middle button do
    EXPECT_EQ(scoreCell(1), QStringLiteral("7"));
    EXPECT_EQ(messages.beeps, 1);

    key(Qt::Key_Return);
    QInputMethodEvent commit;  // an input method's commit: full-width digits and a kana
    commit.setCommitString(QStringLiteral("６あ3"));
    QCoreApplication::sendEvent(QApplication::focusWidget(), &commit);
    EXPECT_EQ(scoreCell(2), QStringLiteral("63"));
    click("HozonButton");
    EXPECT_EQ(savedScores().scores[0][0][1], 63);
}

TEST_F(GridKeysTest, AValueAboveFullMarksIsRefusedWithTheReasonInTheStatusLine) {
    for (QChar digit : QStringLiteral("８５")) {  // as keys give them with the input method on
        QTest::sendKeyEvent(QTest::Click, window->windowHandle(), Qt::Key_unknown, QString(digit),
                            Qt::NoModifier);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(scoreCell(1), QStringLiteral("85"));
    key(Qt::Key_Return);
    type("101");
    EXPECT_EQ(scoreCell(2), QStringLiteral("10"));
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(child<QLabel>(*window, "SavedLabel")->text(), QStringLiteral("満点は 100 点です"));
    type("0");
    EXPECT_EQ(scoreCell(2), QStringLiteral("100"));
    EXPECT_EQ(child<QLabel>(*window, "SavedLabel")->text(), QString());
}

// Keys that change no stored value (moving, Alt, a digit typed and taken back) leave nothing
// to save: closing asks nothing.
TEST_F(GridKeysTest, OnlyAChangedValueMakesTheCloseAsk) {
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_Alt, Qt::Key_Up, Qt::Key_5, Qt::Key_Backspace}) key(k);
    EXPECT_FALSE(window->session().scoresChanged);
    type("7");
    EXPECT_TRUE(window->session().scoresChanged);
    messages.answers = {MessageAnswer::No};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(GridKeysTest, AfterSavingTheKeysGoToTheCellTheyCameFrom) {
    goToStudent(27);
    type("5");
    child<QPushButton>(*window, "HozonButton")->setFocus();
    key(Qt::Key_Return);  // the focused button
    EXPECT_EQ(savedScores().scores[0][0][26], 5);
    type("8");  // as on any cell the cursor comes to, the first key replaces the text
    EXPECT_EQ(scoreCell(27), QStringLiteral("8"));
}

// Ctrl+V of a spreadsheet's column of 45 scores fills the class in both grids; a later paste
// stops at a score above full marks and says so, the totals following the cells.
TEST_F(EntryWindowTest, APastedColumnFillsTheCellsBelow) {
    writeYear(makeGrade(1, 45, 1));
    openWindow();
    QString column;
    for (int k = 1; k <= 45; ++k) column += QString::number(k + 50) + "\r\n";
    QGuiApplication::clipboard()->setText(column);
    goToStudent(1);
    QTest::keyClick(window->windowHandle(), Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(scoreCell(45), QStringLiteral("95"));
    EXPECT_EQ(child<QLineEdit>(*window, "JukenshaE")->text(), QStringLiteral("45"));
    EXPECT_TRUE(messages.shown.empty());

    QGuiApplication::clipboard()->setText(QStringLiteral("1\n101\n3\n"));
    goToStudent(22);
    QTest::keyClick(window->windowHandle(), Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(scoreCell(22), QStringLiteral("1"));
    EXPECT_EQ(scoreCell(23), QStringLiteral("73"));
    EXPECT_EQ(messages.shown.size(), 1u);  // its wording: the paste's own test
    click("HozonButton");
    EXPECT_EQ(savedScores().scores[0][0][21], 1);
}
