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

TEST_F(NavigationTest, StartsWithTheChoiceOnlyAndTheYearOfTheBasicData) {
    writeYear(makeGrade(2, 30, 3, 4));
    clock = FixedClock({2026, 6, 1});  // July, 4 tests: the second
    createWindow();
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("実力テスト点数入力　　（")));
    EXPECT_EQ(window->Nendo->text(), QStringLiteral("2,026"));
    EXPECT_EQ(window->GakunenCB->currentIndex(), 0);
    EXPECT_EQ(window->KaisuCB->count(), 4);
    EXPECT_EQ(window->KaisuCB->currentIndex(), 1);
    for (QWidget* w :
         std::initializer_list<QWidget*>{window->ClassCB, window->KamokuCB, window->TenSG1,
                                         window->TenSG2, window->HozonButton, window->ExitButton})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_FALSE(window->GakunenCB->isEditable());
    EXPECT_EQ(window->TenSG1->item(0, 0)->text(), QStringLiteral("No."));
    EXPECT_EQ(window->TenSG2->item(0, 1)->text(), QStringLiteral("生徒名"));
    EXPECT_EQ(window->TenSG1->columnWidth(1), 100);
    EXPECT_EQ(window->TenSG1->rowCount(), 24);
    EXPECT_EQ(window->TenSG2->rowCount(), 23);
}

TEST_F(NavigationTest, AGradeWithFewerTestsKeepsTheTestOrTakesItsLast) {
    writeYear(makeGrade(1, 30, 1, 5));
    BasicData data;
    ASSERT_TRUE(readBasicData(basicDataPath(dir.path()), data));
    data.grades[1] = makeGrade(1, 30, 1, 3);
    ASSERT_TRUE(writeBasicData(basicDataPath(dir.path()), textsOf(data)));
    createWindow();
    window->KaisuCB->setCurrentIndex(4);
    window->GakunenCB->setCurrentIndex(1);
    window->GakunenCBChange();
    EXPECT_EQ(window->KaisuCB->count(), 3);
    EXPECT_EQ(window->KaisuCB->currentIndex(), 2);
    window->GakunenCB->setCurrentIndex(0);
    window->GakunenCBChange();
    EXPECT_EQ(window->KaisuCB->count(), 5);
    EXPECT_EQ(window->KaisuCB->currentIndex(), 2);
}

TEST_F(NavigationTest, OkFixesTheChoiceAndShowsTheFirstClassAndGivenSubject) {
    GradeData grade = makeGrade(2, 24, 3);
    grade.fullMarks[0][0] = -1;
    writeYear(grade);
    openWindow();
    EXPECT_FALSE(window->Button1->isVisible());
    EXPECT_FALSE(window->GakunenCB->isVisible());
    EXPECT_EQ(window->NendoE->text(), QStringLiteral("  2,026年度"));
    EXPECT_EQ(window->GakunenE->text(), QStringLiteral("  １年"));
    EXPECT_EQ(window->KaisuE->text(), QStringLiteral("  第１回"));
    EXPECT_EQ(window->ClassCB->count(), 2);
    EXPECT_EQ(window->KamokuCB->currentIndex(), 1);
    EXPECT_EQ(header(window->TenSG1), QStringLiteral("S2"));
    EXPECT_EQ(header(window->TenSG2), QStringLiteral("S2"));
    EXPECT_EQ(window->TenSG1->item(1, 1)->text().toStdString(), cp932ToUtf8(studentName(0, 1)));
    EXPECT_EQ(window->TenSG2->item(1, 0)->text(), QStringLiteral("124"));  // student 24
    EXPECT_EQ(window->TenSG2->rowCount(), 2);
    EXPECT_EQ(cursor(), std::make_pair(QStringLiteral("TenSG1"), 1));
}

TEST_F(NavigationTest, EnterOnTheFocusedOkButtonLoads) {
    writeYear(makeGrade(2, 30, 1));
    createWindow();
    window->Button1->setFocus();
    QTest::keyClick(handle(), Qt::Key_Return);
    EXPECT_EQ(window->ClassCB->count(), 2);
    EXPECT_EQ(cursor(), std::make_pair(QStringLiteral("TenSG1"), 1));
}

struct RowsCase {
    unsigned heads;
    int leftRows;
    bool rightEnabled;
    int rightRows;
};

class GridRowsTest : public EntryWindowTest, public ::testing::WithParamInterface<RowsCase> {};

TEST_P(GridRowsTest, HeadCountSetsTheRows) {
    const RowsCase& c = GetParam();
    writeYear(makeGrade(1, c.heads, 1));
    openWindow();
    EXPECT_EQ(window->TenSG1->rowCount(), c.leftRows);
    EXPECT_EQ(window->TenSG2->isEnabled(), c.rightEnabled);
    EXPECT_EQ(window->TenSG2->rowCount(), c.rightRows);
}

INSTANTIATE_TEST_SUITE_P(Classes, GridRowsTest,
                         ::testing::Values(RowsCase{23, 24, false, 23},  // right grid as designed
                                           RowsCase{24, 24, true, 2}, RowsCase{45, 24, true, 23},
                                           RowsCase{5, 6, false, 23}, RowsCase{60, 24, true, 23}));

TEST_F(NavigationTest, ClassesGoRound) {
    writeYear(makeGrade(3, 30, 1));
    openWindow();
    window->MaeClassButtonClick();
    EXPECT_EQ(window->ClassCB->currentIndex(), 2);
    EXPECT_EQ(window->session().currentClass, 2);
    EXPECT_EQ(window->TenSG1->item(1, 0)->text(), QStringLiteral("301"));
    window->NextClassButtonClick();
    EXPECT_EQ(window->session().currentClass, 0);
    window->NextClassButtonClick();
    EXPECT_EQ(window->session().currentClass, 1);
    EXPECT_EQ(window->TenSG1->item(1, 0)->text(), QStringLiteral("201"));
}

TEST_F(NavigationTest, SubjectsNotGivenAreSkippedBothWays) {
    GradeData grade = makeGrade(1, 30, 3);
    grade.fullMarks[0][1] = 0;  // B is not given
    writeYear(grade);
    openWindow();
    window->NextKamokuButtonClick();
    EXPECT_EQ(window->session().currentSubject, 2);
    EXPECT_EQ(header(window->TenSG1), QStringLiteral("S3"));
    window->NextKamokuButtonClick();
    EXPECT_EQ(window->session().currentSubject, 0);
    window->MaeKamokuButtonClick();
    EXPECT_EQ(window->session().currentSubject, 2);
    EXPECT_TRUE(messages.shown.empty());
}

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

TEST_F(NavigationTest, TypedScoresSurviveAClassSwitchWithoutSaving) {
    writeYear(makeGrade(2, 30, 2));
    openWindow();
    type("55");
    goToStudent(30);
    type("30");  // left in the open editor
    window->NextClassButtonClick();
    EXPECT_EQ(scoreCell(1), QString());
    EXPECT_EQ(scoreCell(30), QString());
    type("9");
    window->MaeClassButtonClick();
    EXPECT_EQ(scoreCell(1), QStringLiteral("55"));
    EXPECT_EQ(scoreCell(30), QStringLiteral("30"));
    window->NextKamokuButtonClick();
    EXPECT_EQ(scoreCell(1), QString());
    window->MaeKamokuButtonClick();
    EXPECT_EQ(scoreCell(1), QStringLiteral("55"));
    EXPECT_EQ(window->session().scores.scores[0][1][0], 9);
    EXPECT_FALSE(std::filesystem::exists(scoreFile()));
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

TEST_F(NavigationTest, NoSubjectGivenKeepsTheGridsDisabled) {
    GradeData grade = makeGrade(1, 30, 2);
    grade.fullMarks[0][0] = grade.fullMarks[0][1] = -1;
    writeYear(grade);
    openWindow();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::kNoSubjectGiven);
    EXPECT_EQ(messages.shown[0].title, text::kConfirm);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(window->KamokuCB->currentIndex(), -1);
    EXPECT_FALSE(window->TenSG1->isEnabled());
    EXPECT_FALSE(window->TenSG2->isEnabled());
    for (QWidget* w :
         std::initializer_list<QWidget*>{window->HozonButton, window->ExitButton,
                                         window->NextKamokuButton, window->MaeKamokuButton})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(window->ClassCB->isEnabled());
    EXPECT_TRUE(window->KamokuCB->isEnabled());
    window->NextClassButtonClick();
    EXPECT_FALSE(window->TenSG1->isEnabled());
    EXPECT_EQ(window->JukenshaE->text(), QStringLiteral("0"));
}

TEST_F(NavigationTest, TotalsOfNoScoreAndOfTwoScores) {
    writeYear(makeGrade(1, 30, 1));
    openWindow();
    EXPECT_EQ(window->JukenshaE->text(), QStringLiteral("0"));
    EXPECT_EQ(window->SotenE->text(), QStringLiteral("0"));
    EXPECT_EQ(window->HeikinE->text(), QStringLiteral(" "));
    type("70");
    key(Qt::Key_Return);
    type("85");
    EXPECT_EQ(window->JukenshaE->text(), QStringLiteral("2"));
    EXPECT_EQ(window->SotenE->text(), QStringLiteral("155"));
    EXPECT_EQ(window->HeikinE->text(), QStringLiteral("77.5"));
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
