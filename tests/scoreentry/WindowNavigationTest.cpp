// Choosing year, grade and test, and moving between classes and subjects.
#include <QComboBox>
#include <QPushButton>

#include "EntryFixture.h"
#include "EntryTexts.h"
#include "GridLayout.h"
#include "MessageTexts.h"

using namespace jitsu;

class NavigationTest : public EntryWindowTest {
protected:
    QString header(const ScoreGrid* grid) const { return grid->item(0, kScoreColumn)->text(); }
};

TEST_F(NavigationTest, ChoosingASubjectNotGivenIsRefused) {
    GradeData grade = makeGrade(1, 30, 3);
    grade.fullMarks[0][1] = -1;
    writeYear(grade);
    openWindow();
    type("77");
    window->KamokuCB->setCurrentIndex(1);
    window->KamokuCBChange();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::kSubjectNotGiven);
    EXPECT_EQ(messages.shown[0].title, text::kConfirm);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(window->KamokuCB->currentIndex(), 0);
    EXPECT_EQ(window->session().currentSubject, 0);
    EXPECT_EQ(scoreCell(1), QStringLiteral("77"));
}

TEST_F(NavigationTest, ASmallerClassLeavesTheRightGridDisabled) {
    GradeData grade = makeGrade(2, 30, 1);
    grade.headCounts[1] = 10;
    writeYear(grade);
    openWindow();
    goToStudent(25);
    type("25");
    window->NextClassButtonClick();
    EXPECT_FALSE(window->TenSG2->isEnabled());
    EXPECT_EQ(window->TenSG1->rowCount(), 11);
    EXPECT_EQ(cursor(), std::make_pair(QStringLiteral("TenSG1"), 1));
    window->NextClassButtonClick();
    EXPECT_TRUE(window->TenSG2->isEnabled());
    EXPECT_EQ(scoreCell(25), QStringLiteral("25"));
}

TEST_F(NavigationTest, TotalsFollowTheScoresOfTheFile) {
    writeYear(makeGrade(2, 30, 1));
    TestScores scores;
    scores.scores[0][1][0] = 3;
    scores.scores[0][1][29] = 4;
    scores.scores[0][1][35] = 90;  // beyond the head count: not shown, not counted
    writeScores(scores);
    openWindow();
    window->NextClassButtonClick();
    EXPECT_EQ(window->SotenE->text(), QStringLiteral("7"));
    EXPECT_EQ(window->HeikinE->text(), QStringLiteral("3.5"));
}
