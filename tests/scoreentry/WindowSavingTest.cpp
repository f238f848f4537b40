// Saving, closing and the files that cannot be read or written.
#include <QComboBox>
#include <QSignalSpy>

#include "EntryFixture.h"
#include "EntryTexts.h"
#include "MessageTexts.h"

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

TEST_F(SavingTest, FirstSaveOfANewTestCreatesTheFile) {
    writeYear(makeGrade(2, 30, 2));
    openWindow();
    type("88");
    window->HozonButtonClick();
    ASSERT_TRUE(std::filesystem::exists(scoreFile()));
    EXPECT_EQ(savedScores().scores[0][0][0], 88);
    EXPECT_EQ(savedScores().scores[1][0][0], -1);
    EXPECT_FALSE(window->session().scoresChanged);
    EXPECT_TRUE(messages.shown.empty());
}

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

TEST_F(SavingTest, AStudentWithTwoSciencesIsAskedAboutOnce_NoWritesBoth) {
    writeClash();
    openWindow();
    type("5");
    messages.answers.push_back(MessageAnswer::No);
    window->HozonButtonClick();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, clashText());
    EXPECT_EQ(messages.shown[0].title, text::kWarning);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
    TestScores saved = savedScores();
    EXPECT_EQ(saved.scores[0][1][2], 40);
    EXPECT_EQ(saved.scores[1][1][2], 60);
    EXPECT_EQ(saved.scores[0][0][0], 5);
    EXPECT_FALSE(window->session().scoresChanged);
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
    EXPECT_EQ(window->session().currentClass, 1);
    EXPECT_EQ(scoreCell(3), QStringLiteral("40"));
    EXPECT_EQ(readBytes(scoreFile()), before);
    EXPECT_TRUE(window->session().scoresChanged);
    EXPECT_EQ(window->session().scores.scores[0][0][0], 5);

    // The close question's Yes runs into the same student: the window stays.
    messages.answers.push_back(MessageAnswer::Yes);
    messages.answers.push_back(MessageAnswer::Yes);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(shownCount(text::kCloseQuestion), 1);
    EXPECT_EQ(shownCount(clashText()), 2);

    // Corrected: the second science score removed, the save goes through.
    goToStudent(3);
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    window->HozonButtonClick();
    EXPECT_EQ(shownCount(clashText()), 2);
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
    EXPECT_EQ(messages.shown[0].title, text::kConfirm);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_TRUE(window->session().scoresChanged);
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

TEST_F(SavingTest, ClosingWithoutChangesAsksNothing) {
    writeYear(makeGrade(1, 30, 1));
    openWindow();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(std::filesystem::exists(scoreFile()));
}

TEST_F(SavingTest, ClosingWithChangesAndYesSaves) {
    writeYear(makeGrade(1, 30, 1));
    openWindow();
    type("12");
    messages.answers.push_back(MessageAnswer::Yes);
    EXPECT_TRUE(window->close());
    const FakeMessages::Shown& question = messages.shown.at(0);
    EXPECT_EQ(question.text, text::kCloseQuestion);
    EXPECT_EQ(question.title, text::kConfirm);
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(savedScores().scores[0][0][0], 12);
}

TEST_F(SavingTest, AMissingRosterEndsTheProgramWithExitCodeZero) {
    writeYear(makeGrade(1, 30, 1), /*withRoster=*/false);
    createWindow();
    QSignalSpy ends(window.get(), &TForm1::programEnd);
    EXPECT_FALSE(window->Button1Click());
    ASSERT_EQ(ends.count(), 1);
    EXPECT_EQ(ends.at(0).at(0).toInt(), 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::kRosterMissingEnd);
    EXPECT_EQ(messages.shown[0].title, text::kConfirm);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_FALSE(std::filesystem::exists(scoreFile()));
}

TEST_F(SavingTest, AMissingBasicDataFileEndsTheProgramAtOnce) {
    TForm1 form(services);
    EXPECT_FALSE(form.FormCreate());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::kBasicDataMissing);
    EXPECT_EQ(messages.beeps, 1);
}
