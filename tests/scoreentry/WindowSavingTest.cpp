// Saving, closing and the files that cannot be read or written.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include "EntryFixture.h"
#include "EntryTexts.h"
#include "MessageTexts.h"
#include "ModalBox.h"
#include "QtMessages.h"

using namespace jitsu;

class SavingTest : public EntryWindowTest {
protected:
    // Two subjects of discipline 4 (S1, S2) and one of discipline 1, 2 classes of 30.
    static GradeData scienceTwice() {
        GradeData grade = makeGrade(2, 30, 3);
        grade.disciplineNumbers[0] = grade.disciplineNumbers[1] = 4;
        grade.disciplineNumbers[2] = 1;
        return grade;
    }
    // Student 3 of class 2 holds both science scores.
    void writeClash() {
        writeYear(scienceTwice());
        TestScores scores;
        scores.scores[0][1][2] = 40;
        scores.scores[1][1][2] = 60;
        scores.scores[2][0][0] = 70;
        writeScores(scores);
    }
    std::string clashText() const {
        return "2ホーム、3番、" + cp932ToUtf8(studentName(1, 3)) +
               " のデータが１教科１科目の制限を越えています。修正しますか？";
    }
    // Makes every write of the score file fail: a directory stands where the file goes.
    void blockScoreFile() {
        std::filesystem::remove(scoreFile());
        std::filesystem::create_directory(scoreFile());
    }
};

// The first save of a new test creates the file with every class and subject typed.
TEST_F(SavingTest, SaveWritesEveryClassAndSubject) {
    writeYear(makeGrade(2, 30, 2));
    openWindow();
    type("11");
    window->NextClassButtonClick();
    goToStudent(30);
    type("22");
    window->NextKamokuButtonClick();
    type("33");
    window->ExitButtonClick();
    EXPECT_FALSE(window->isVisible());
    TestScores saved = savedScores();
    EXPECT_EQ(saved.scores[0][0][0], 11);
    EXPECT_EQ(saved.scores[0][1][29], 22);
    EXPECT_EQ(saved.scores[1][1][0], 33);
}

TEST_F(SavingTest, YesShowsTheClassWritesNothingAndKeepsTheWindowOpen) {
    writeClash();
    const std::string before = readBytes(scoreFile());
    openWindow();
    type("5");
    messages.answers.push_back(MessageAnswer::Yes);
    window->ExitButtonClick();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->ClassCB->currentIndex(), 1);
    EXPECT_EQ(scoreCell(3), QStringLiteral("40"));
    EXPECT_EQ(readBytes(scoreFile()), before);

    // Corrected: the second science score removed, the save goes through.
    goToStudent(3);
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    window->HozonButtonClick();
    EXPECT_EQ(shownCount(clashText()), 1);
    EXPECT_EQ(savedScores().scores[0][1][2], -1);
    EXPECT_EQ(savedScores().scores[0][0][0], 5);
}

TEST_F(SavingTest, AScoreFileThatCannotBeWrittenIsAnnouncedAndNothingIsLost) {
    writeYear(makeGrade(1, 30, 1));
    openWindow();
    type("64");
    blockScoreFile();
    window->ExitButtonClick();
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::kScoresNotSaved);
    EXPECT_EQ(scoreCell(1), QStringLiteral("64"));

    messages.answers.push_back(MessageAnswer::Yes);
    EXPECT_FALSE(window->close());  // asked again, failed again, still open
    EXPECT_EQ(shownCount(text::kCloseQuestion), 1);
    EXPECT_EQ(shownCount(text::kScoresNotSaved), 2);

    std::filesystem::remove(scoreFile());
    messages.answers.push_back(MessageAnswer::Yes);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(savedScores().scores[0][0][0], 64);
}

struct CloseCase {
    MessageAnswer answer;
    bool closes;
    int saved;  // student 1's score in the file, -2 for no file
};

class CloseQuestionTest : public SavingTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseQuestionTest, YesSavesNoDropsCancelStays) {
    writeYear(makeGrade(1, 30, 1));
    openWindow();
    type("12");
    messages.answers.push_back(GetParam().answer);
    EXPECT_EQ(window->close(), GetParam().closes);
    EXPECT_EQ(messages.shown.at(0).safeAnswer, MessageAnswer::Cancel);
    if (GetParam().saved == -2) {
        EXPECT_FALSE(std::filesystem::exists(scoreFile()));
    } else {
        EXPECT_EQ(savedScores().scores[0][0][0], GetParam().saved);
    }
    if (!GetParam().closes) {
        EXPECT_EQ(scoreCell(1), QStringLiteral("12"));
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseQuestionTest,
                         ::testing::Values(CloseCase{MessageAnswer::Yes, true, 12},
                                           CloseCase{MessageAnswer::No, true, -2},
                                           CloseCase{MessageAnswer::Cancel, false, -2}));

TEST_F(SavingTest, EscAtTheRealCloseQuestionKeepsTheWindowAndItsScores) {
    writeYear(makeGrade(1, 30, 1));
    QtMessages boxes;
    Services real{dir.path(), boxes, printer, clock};
    TForm1 form(real);
    ASSERT_TRUE(form.FormCreate());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_TRUE(form.Button1Click());
    for (char c : {'1', '2'}) QTest::keyClick(form.windowHandle(), c);
    pressOnNextModalBox(Qt::Key_Escape);
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.TenSG1->cellText(1), QStringLiteral("12"));
    EXPECT_FALSE(std::filesystem::exists(scoreFile()));
    form.ExitButtonClick();
    EXPECT_EQ(savedScores().scores[0][0][0], 12);
}

TEST_F(SavingTest, AMissingRosterEndsTheProgramWithExitCodeZero) {
    writeYear(makeGrade(1, 30, 1), /*withRoster=*/false);
    createWindow();
    QSignalSpy ends(window.get(), &TForm1::programEnd);
    EXPECT_FALSE(window->Button1Click());
    ASSERT_EQ(ends.count(), 1);
    EXPECT_EQ(ends.at(0).at(0).toInt(), 0);
    EXPECT_EQ(messages.count(text::kRosterMissingEnd), 1);
}

TEST_F(SavingTest, AFileOfAnotherShapeIsOpenedOnlyWhenTheUserSaysSo) {
    writeYear(makeGrade(1, 30, 1));
    writeScores(TestScores());
    writeYear(makeGrade(2, 30, 1));  // a class added after the file was written
    createWindow();
    messages.answers = {MessageAnswer::No};
    EXPECT_TRUE(window->Button1Click());
    EXPECT_EQ(messages.count(shapeQuestion(window->session())), 1);
    EXPECT_TRUE(window->Button1->isVisible());  // not opened: another test can be chosen
    messages.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(window->Button1Click());
    EXPECT_FALSE(window->Button1->isVisible());
}
