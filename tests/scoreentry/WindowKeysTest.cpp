// The keys and clicks on the score grids: what stays in a cell, where the cursor goes, and
// which subject is shown.
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QSignalSpy>

#include "EntryFixture.h"
#include "EntryTexts.h"
#include "GridLayout.h"
#include "MessageTexts.h"

using namespace jitsu;

namespace {

GradeData gradeOf(unsigned heads, int fullMarks = 100) {
    GradeData grade = makeGrade(1, heads, 2);
    grade.fullMarks[0][0] = fullMarks;
    return grade;
}

}  // namespace

class GridKeysTest : public EntryWindowTest {};

TEST_F(GridKeysTest, ScoreAboveFullMarksIsRefusedWithABeep) {
    writeYear(gradeOf(30, 100));
    openWindow();
    type("100");
    EXPECT_EQ(scoreCell(1), QStringLiteral("100"));
    press(Qt::Key_5, QStringLiteral("5"));
    EXPECT_EQ(scoreCell(1), QStringLiteral("100"));
    release(Qt::Key_5, QStringLiteral("5"));
    EXPECT_EQ(scoreCell(1), QStringLiteral("100"));
    EXPECT_EQ(messages.beeps, 1);
}

TEST_F(GridKeysTest, FastTypingIsCheckedOnTheLiveText) {
    // The next key goes down before the last one comes up.
    writeYear(gradeOf(30, 100));
    openWindow();
    press(Qt::Key_1, QStringLiteral("1"));
    press(Qt::Key_0, QStringLiteral("0"));
    release(Qt::Key_1, QStringLiteral("1"));
    press(Qt::Key_0, QStringLiteral("0"));
    release(Qt::Key_0, QStringLiteral("0"));
    press(Qt::Key_7, QStringLiteral("7"));
    release(Qt::Key_0, QStringLiteral("0"));
    release(Qt::Key_7, QStringLiteral("7"));
    EXPECT_EQ(scoreCell(1), QStringLiteral("100"));
    EXPECT_EQ(window->JukenshaE->text(), QStringLiteral("1"));
    EXPECT_EQ(window->SotenE->text(), QStringLiteral("100"));
}

TEST_F(GridKeysTest, EnterWalksDownAndPassesFromStudent23To24) {
    writeYear(gradeOf(30));
    openWindow();
    type("1");
    key(Qt::Key_Return);
    EXPECT_EQ(cursor(), std::make_pair(QStringLiteral("TenSG1"), 2));
    EXPECT_EQ(window->TenSG1->item(1, kScoreColumn)->text(), QStringLiteral("1"));
    goToStudent(23);
    type("23");
    key(Qt::Key_Enter);
    EXPECT_EQ(cursor(), std::make_pair(QStringLiteral("TenSG2"), 1));  // student 24
    EXPECT_EQ(scoreCell(23), QStringLiteral("23"));
    type("24");
    key(Qt::Key_Up);
    EXPECT_EQ(cursor(), std::make_pair(QStringLiteral("TenSG1"), 23));
    key(Qt::Key_Down);
    EXPECT_EQ(cursor(), std::make_pair(QStringLiteral("TenSG2"), 1));
    EXPECT_EQ(scoreCell(24), QStringLiteral("24"));
}

// A click on student `position`'s row of the grid that shows it, in `column`.
void clickRow(const TForm1& window, int position, int column) {
    ScoreGrid* grid = position <= 23 ? window.TenSG1 : window.TenSG2;
    const int row = position <= 23 ? position : position - 23;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(row, column)).center());
    QCoreApplication::processEvents();
}

TEST_F(GridKeysTest, AClickAnywhereInARowPutsTheCursorOnThatStudentsScore) {
    writeYear(gradeOf(30));
    openWindow();
    goToStudent(2);
    for (int column : {0, 1, kScoreColumn}) {  // the number, the name, the score
        clickRow(*window, 3 + column, column);
        type(std::to_string(40 + column).c_str());
        EXPECT_EQ(cursor(), std::make_pair(QStringLiteral("TenSG1"), 3 + column)) << column;
    }
    clickRow(*window, 26, 1);  // a name in the right grid
    type("45");
    EXPECT_EQ(cursor(), std::make_pair(QStringLiteral("TenSG2"), 3));
    EXPECT_EQ(scoreCell(2), QString());
    EXPECT_EQ(scoreCell(3), QStringLiteral("40"));
    EXPECT_EQ(scoreCell(4), QStringLiteral("41"));
    EXPECT_EQ(scoreCell(5), QStringLiteral("42"));
    EXPECT_EQ(scoreCell(26), QStringLiteral("45"));
}

TEST_F(GridKeysTest, OnlyTheCursorsCellIsHighlightedInBothGrids) {
    writeYear(makeGrade(2, 30, 2));
    openWindow();
    // Where the cursor is, and every highlighted cell of both grids, as "grid:row".
    auto marked = [this] {
        QStringList cells;
        for (ScoreGrid* grid : {window->TenSG1, window->TenSG2}) {
            if (grid->currentIndex().isValid())
                cells << grid->objectName() + ":current:" + QString::number(grid->currentRow());
            for (const QModelIndex& index : grid->selectionModel()->selectedIndexes())
                cells << grid->objectName() + ":" + QString::number(index.row());
        }
        return cells.join(' ');
    };
    const QString first = QStringLiteral("TenSG1:current:1 TenSG1:1");
    EXPECT_EQ(marked(), first);
    goToStudent(29);
    key(Qt::Key_Left);  // over to student 6
    EXPECT_EQ(marked(), QStringLiteral("TenSG1:current:6 TenSG1:6"));
    goToStudent(29);
    EXPECT_EQ(marked(), QStringLiteral("TenSG2:current:6 TenSG2:6"));
    window->NextClassButtonClick();
    EXPECT_EQ(marked(), first);
    clickRow(*window, 24, 0);
    EXPECT_EQ(marked(), QStringLiteral("TenSG2:current:1 TenSG2:1"));
}

TEST_F(GridKeysTest, TextThatArrivesWithoutAKeyIsCheckedAsTypedText) {
    writeYear(gradeOf(30, 100));
    openWindow();
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    type("7");
    QGuiApplication::clipboard()->setText(QStringLiteral("150"));
    editor->selectAll();
    editor->paste();  // as the context menu's paste and the middle button do
    EXPECT_EQ(scoreCell(1), QStringLiteral("7"));
    EXPECT_EQ(messages.beeps, 1);

    key(Qt::Key_Return);
    editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QGuiApplication::clipboard()->setText(QStringLiteral("85abc"));
    editor->paste();
    EXPECT_EQ(scoreCell(2), QStringLiteral("85"));

    key(Qt::Key_Return);
    QInputMethodEvent commit;  // an input method's commit: full-width digits and a kana
    commit.setCommitString(QStringLiteral("６あ3"));
    QCoreApplication::sendEvent(QApplication::focusWidget(), &commit);
    EXPECT_EQ(scoreCell(3), QStringLiteral("3"));
    EXPECT_EQ(window->JukenshaE->text(), QStringLiteral("3"));
    EXPECT_EQ(window->SotenE->text(), QStringLiteral("95"));
    window->HozonButtonClick();
    EXPECT_EQ(savedScores().scores[0][0][1], 85);
    EXPECT_EQ(messages.beeps, 1);
}

TEST_F(GridKeysTest, ChoosingASubjectNotGivenIsRefusedAndKeepsTheTypedScore) {
    GradeData grade = makeGrade(1, 30, 3);
    grade.fullMarks[0][1] = -1;
    writeYear(grade);
    openWindow();
    type("77");
    window->KamokuCB->setCurrentIndex(1);
    window->KamokuCBChange();
    EXPECT_EQ(messages.count(text::kSubjectNotGiven), 1);
    EXPECT_EQ(window->KamokuCB->currentIndex(), 0);
    EXPECT_EQ(scoreCell(1), QStringLiteral("77"));
}
