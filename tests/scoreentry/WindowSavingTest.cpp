// SPDX-License-Identifier: GPL-3.0-or-later
// Saving, closing and the files that cannot be read or written.
#include <QSignalSpy>

#include "EntryFixture.h"
#include "EntryTexts.h"
#include "MessageTexts.h"

using namespace jitsu;

using SavingTest = EntryWindowTest;

// The first save of a new test creates the file with every class and subject typed; Enter
// passes from student 23 at the foot of the left grid to 24 at the top of the right one.
TEST_F(SavingTest, ExitSavesEveryClassAndSubject) {
    writeYear(makeGrade(2, 30, 2));
    openWindow();
    type("11");
    goToStudent(23);
    for (const char* score : {"23", "24"}) {
        type(score);
        key(Qt::Key_Return);
    }
    click("NextClassButton");
    goToStudent(30);
    type("22");
    click("NextKamokuButton");
    type("33");
    click("ExitButton");
    EXPECT_FALSE(window->isVisible());
    const TestScores saved = savedScores();
    EXPECT_EQ(saved.scores[0][0][0], 11);
    EXPECT_EQ(saved.scores[0][0][22], 23);
    EXPECT_EQ(saved.scores[0][0][23], 24);
    EXPECT_EQ(saved.scores[0][1][29], 22);
    EXPECT_EQ(saved.scores[1][1][0], 33);
}

TEST_F(SavingTest, AScoreFileThatCannotBeWrittenIsAnnouncedAndNothingIsLost) {
    writeYear(makeGrade(1, 30, 1));
    openWindow();
    type("64");
    std::filesystem::create_directory(scoreFile());  // no file can replace it
    click("ExitButton");
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::kScoresNotSaved);
    EXPECT_EQ(scoreCell(1), QStringLiteral("64"));

    std::filesystem::remove(scoreFile());
    click("HozonButton");
    EXPECT_EQ(savedScores().scores[0][0][0], 64);
}

struct CloseCase {
    MessageAnswer answer;
    bool closes;
    int saved;  // student 1's score in the file, -2 for no file
};

class CloseQuestionTest : public SavingTest, public ::testing::WithParamInterface<CloseCase> {};

// Esc and the box's close button give the safe answer, which keeps the window and its scores.
TEST_P(CloseQuestionTest, YesSavesNoDropsCancelStays) {
    writeYear(makeGrade(1, 30, 1));
    openWindow();
    type("12");
    messages.answers.push_back(GetParam().answer);
    EXPECT_EQ(window->close(), GetParam().closes);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text::kCloseQuestion);
    EXPECT_EQ(messages.shown[0].safeAnswer, MessageAnswer::Cancel);
    const bool saved = std::filesystem::exists(scoreFile());
    EXPECT_EQ(saved ? savedScores().scores[0][0][0] : -2, GetParam().saved);
    EXPECT_EQ(window->isVisible(), !GetParam().closes);
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseQuestionTest,
                         ::testing::Values(CloseCase{MessageAnswer::Yes, true, 12},
                                           CloseCase{MessageAnswer::No, true, -2},
                                           CloseCase{MessageAnswer::Cancel, false, -2}));

TEST_F(SavingTest, AMissingRosterEndsTheProgramWithExitCodeZero) {
    writeYear(makeGrade(1, 30, 1), /*withRoster=*/false);
    createWindow();
    QSignalSpy ends(window.get(), &ProgramWindow::programEnd);
    click("Button1");
    ASSERT_EQ(ends.count(), 1);
    EXPECT_EQ(ends.at(0).at(0).toInt(), 0);
    EXPECT_EQ(messages.count(text::kRosterMissingEnd), 1);
}

TEST_F(SavingTest, AFileOfAnotherShapeIsOpenedOnlyWhenTheUserSaysSo) {
    writeYear(makeGrade(1, 30, 1));
    ASSERT_TRUE(writeScores(scoreFile(), grade1, TestScores()));
    writeYear(makeGrade(2, 30, 1));  // a class added after the file was written
    createWindow();
    messages.answers = {MessageAnswer::No};
    click("Button1");
    EXPECT_EQ(messages.count(shapeQuestion(window->session())), 1);
    EXPECT_TRUE(child<QPushButton>(*window, "Button1")
                    ->isVisible());  // not opened: another test can be chosen
    messages.answers = {MessageAnswer::Yes};
    click("Button1");
    EXPECT_FALSE(child<QPushButton>(*window, "Button1")->isVisible());
}

// A score above its full marks is a damaged file: the test opens only after a yes.
TEST_F(SavingTest, AScoreAboveFullMarksIsToldBeforeOpening) {
    writeYear(makeGrade(1, 30, 1));
    TestScores scores;
    scores.scores[0][0][0] = 150;
    ASSERT_TRUE(writeScores(scoreFile(), grade1, scores));
    createWindow();
    messages.answers = {MessageAnswer::No};
    click("Button1");
    ASSERT_EQ(messages.count(text::kDamagedFile), 1);
    EXPECT_NE(messages.shown.back().detail.find("JT26_1_1.txt"), std::string::npos);
    EXPECT_TRUE(child<QPushButton>(*window, "Button1")->isVisible());
    messages.answers = {MessageAnswer::Yes};
    click("Button1");
    EXPECT_FALSE(child<QPushButton>(*window, "Button1")->isVisible());
    EXPECT_EQ(scoreCell(1), "");
}

// A roster edited by hand after the scores were typed: the start asks, and a no is followed by
// the warning that scores may show on other students; nothing is written.
TEST_F(SavingTest, ADeclinedRosterEditIsWarnedAbout) {
    writeYear(makeGrade(1, 3, 1));
    TestScores scores;
    scores.scores[0][0][0] = 90;
    ASSERT_TRUE(writeScores(scoreFile(), grade1, scores));
    const std::filesystem::path roster = rosterPath(dir.path(), "N", kYear, 1);
    writeBytes(alignedRosterPath(roster), readBytes(roster));
    writeBytes(roster, "101,X\r\n" + readBytes(roster).substr(readBytes(roster).find('\n') + 1));
    const std::string before = readBytes(scoreFile());
    messages.answers = {MessageAnswer::No};
    createWindow();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].icon, MessageIcon::Exclamation);
    EXPECT_NE(messages.shown[1].text.find("1年"), std::string::npos);
    EXPECT_EQ(readBytes(scoreFile()), before);
}
