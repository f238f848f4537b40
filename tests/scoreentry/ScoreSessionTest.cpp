// SPDX-License-Identifier: GPL-3.0-or-later
#include "Catalogue.h"
#include "EntryFixture.h"
#include "EntryTexts.h"
#include "Golden.h"
#include "MessageTexts.h"
#include "ScoreMerge.h"
#include "ScoreSession.h"

using namespace jitsu;

namespace {

// A session on grade 1 of `grade`, test 1, read from a fresh directory with a roster.
class SessionTest : public ::testing::Test, protected FakeServices {
protected:
    std::unique_ptr<ScoreSession> session = std::make_unique<ScoreSession>();

    void open(const GradeData& grade, bool withRoster = true) {
        session->basic.year = 2026;
        session->basic.rosterTag.assign("N");
        session->basic.grades[0] = grade;
        if (withRoster) writeRoster(dir.path(), 2026, grade);
        opened = openGradeTest(*session, dir.path(), 2026, 0, 0);
    }
    OpenResult opened;
};

}  // namespace

TEST(Neighbours, SubjectsNotGivenAreSkippedAndBothGoRound) {
    GradeData grade = makeGrade(1, 1, 4);
    grade.fullMarks[0][1] = -1;
    grade.fullMarks[0][2] = 0;
    EXPECT_EQ(neighbourSubject(grade, 0, 0, 1), 3);
    EXPECT_EQ(neighbourSubject(grade, 0, 3, 1), 0);
    EXPECT_EQ(neighbourSubject(grade, 0, 0, -1), 3);
    grade.fullMarks[0][3] = -1;
    EXPECT_EQ(neighbourSubject(grade, 0, 0, 1), 0);  // no other: stays
    EXPECT_EQ(firstGivenSubject(grade, 0), 0);
    grade.fullMarks[0][0] = 0;
    EXPECT_EQ(firstGivenSubject(grade, 0), -1);
    EXPECT_EQ(neighbourClass(2, 1, 3), 0);
    EXPECT_EQ(neighbourClass(0, -1, 3), 2);
    EXPECT_EQ(neighbourClass(0, 1, 0), 0);
}

TEST_F(SessionTest, OpensTheFirstClassAndTheFirstGivenSubject) {
    GradeData grade = makeGrade(2, 3, 3);
    grade.fullMarks[0][0] = -1;
    open(grade);
    ASSERT_EQ(opened.failure, OpenFailure::None);
    EXPECT_EQ(session->currentClass, 0);
    EXPECT_EQ(session->currentSubject, 1);
    EXPECT_EQ(session->scores.scores[1][1][44], -1);  // no score file yet
    session->currentClass = 1;
    std::vector<SlotRow> rows = shownRows(*session);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2].number + rows[2].name + rows[2].score, "203名3");
}

TEST_F(SessionTest, StoresTheShownCellsOnly) {
    GradeData grade = makeGrade(2, 3, 2);
    open(grade);
    session->currentClass = 1;
    session->currentSubject = 1;
    storeGridScores(*session, {"7", "", "x", "99"});  // a fourth cell is not a student
    EXPECT_EQ(shownScoreTexts(*session), (std::vector<std::string>{"7", "", ""}));
    EXPECT_EQ(session->scores.scores[1][1][3], -1);
    storeGridScores(*session, {"101", "100", "9999999999"});  // above full marks 100: refused
    EXPECT_EQ(shownScoreTexts(*session), (std::vector<std::string>{"7", "100", ""}));
    session->currentSubject = -1;
    storeGridScores(*session, {"5"});  // no subject shown: nothing to store into
    EXPECT_EQ(session->scores.scores[1][1][0], 7);
}

TEST(DisciplineClashes, TwoScoresOfOneDisciplineInOneSlot) {
    GradeData grade = makeGrade(2, 30, 4);
    grade.disciplineNumbers[0] = grade.disciplineNumbers[2] = 4;
    grade.disciplineNumbers[1] = grade.disciplineNumbers[3] = 0;  // not a discipline: never counted
    auto scores = std::make_unique<TestScores>();
    scores->scores[0][1][5] = 10;
    scores->scores[2][1][5] = 0;  // a zero is a score
    scores->scores[0][0][7] = 10;
    scores->scores[2][0][7] = -1;  // none
    scores->scores[1][0][9] = 10;
    scores->scores[3][0][9] = 10;
    scores->scores[0][0][44] = 1;  // a slot beyond the head count counts too
    scores->scores[2][0][44] = 1;
    EXPECT_EQ(disciplineClashes(grade, *scores), (std::vector<DisciplineClash>{{0, 44}, {1, 5}}));
}

TEST_F(SessionTest, ClashQuestionNamesClassPositionAndName) {
    GradeData grade = makeGrade(2, 30, 1);
    grade.classNames[1].assign(sj("Ｂ組"));
    open(grade);
    EXPECT_EQ(clashQuestion(*session, {1, 4}),
              "Ｂ組ホーム、5番、名5 のデータが１教科１科目の制限を越えています。修正しますか？");
    // Slot 40 has no student: no name, not that of the next class's first student.
    EXPECT_EQ(clashQuestion(*session, {0, 40}),
              "1ホーム、41番、 のデータが１教科１科目の制限を越えています。修正しますか？");
}

TEST_F(SessionTest, SaveOutcomes) {
    GradeData grade = makeGrade(2, 30, 2);
    grade.disciplineNumbers[1] = 1;
    open(grade);
    session->scoresChanged = true;
    for (int subject : {0, 1})
        for (int slot : {3, 4}) session->scores.scores[subject][1][slot] = 50;

    messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
    SaveResult correcting = saveScores(*session, messages);
    EXPECT_EQ(correcting.outcome, SaveOutcome::Correcting);
    EXPECT_EQ(correcting.correctClass, 1);
    EXPECT_EQ(messages.shown.size(), 2u);  // asked about position 4, then 5
    EXPECT_FALSE(std::filesystem::exists(session->scoreFile));
    EXPECT_TRUE(session->scoresChanged);

    messages.answers = {MessageAnswer::No, MessageAnswer::No};
    EXPECT_EQ(saveScores(*session, messages).outcome, SaveOutcome::Written);
    EXPECT_FALSE(session->scoresChanged);
    TestScores saved;
    ASSERT_TRUE(readScores(session->scoreFile, grade, saved));
    EXPECT_EQ(saved.scores[1][1][4], 50);
}

// In Japanese as the window asks it, and in English as the command line prints it by default.
TEST_F(SessionTest, ConflictQuestionListsTheFirstTenCells) {
    open(makeGrade(2, 30, 2));
    std::vector<ScoreConflict> conflicts;
    for (int k = 0; k < 12; ++k) conflicts.push_back({{1, 1, k, k < 2 ? -1 : 50 + k}, 10, 40});
    std::vector<ScoreConflict> one(conflicts.begin(), conflicts.begin() + 1);
    std::string questions;
    for (bool japanese : {true, false}) {
        if (japanese) {
            ASSERT_TRUE(speakJapanese());
        }
        questions += conflictQuestion(*session, conflicts) + "\n----\n" +
                     conflictQuestion(*session, one) + "\n====\n";
        speakEnglish();
    }
    EXPECT_TRUE(matchesGolden(questions, "score-session/conflicts.txt"));
}

// Two sessions on one directory, as two teachers at two terminals, saving in turn (each answer
// of the question is the cell merge's, tested where it lives): the session takes what the
// other saved, and its next save asks nothing, the file being what it wrote.
TEST_F(SessionTest, AfterAConflictTheSessionHoldsWhatItSaved) {
    const GradeData grade = makeGrade(2, 30, 2);
    open(grade);
    auto other = std::make_unique<ScoreSession>();
    other->basic = session->basic;
    ASSERT_EQ(openGradeTest(*other, dir.path(), 2026, 0, 0).failure, OpenFailure::None);
    for (int k = 0; k < 3; ++k) {
        session->scores.scores[0][1][k] = 10 + k;
        other->scores.scores[0][1][k] = 20 + k;
    }
    other->scores.scores[1][1][5] = 70;  // only theirs: taken into the file and this session
    session->scoresChanged = true;
    ASSERT_EQ(saveScores(*other, messages).outcome, SaveOutcome::Written);

    messages.answers = {MessageAnswer::Yes};
    EXPECT_EQ(saveScores(*session, messages).outcome, SaveOutcome::Written);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("scores (3)"),
              std::string::npos)  // three cells asked about
        << messages.shown[0].text;
    EXPECT_EQ(messages.shown[0].safeAnswer, MessageAnswer::Cancel);
    EXPECT_EQ(session->scores.scores[1][1][5], 70);
    EXPECT_EQ(saveScores(*session, messages).outcome, SaveOutcome::Written);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(SessionTest, AnUnreadableRosterOrScoreFileIsNotOpened) {
    open(makeGrade(1, 3, 1), /*withRoster=*/false);
    EXPECT_EQ(opened.failure, OpenFailure::Roster);
    EXPECT_TRUE(session->scoreFile.empty());
    std::filesystem::create_directory(scorePath(dir.path(), 2026, 1, 1));
    open(makeGrade(1, 3, 1));
    EXPECT_EQ(opened.failure, OpenFailure::Scores);
    EXPECT_NE(opened.status.reason().find("JT26_1_1.txt"), std::string::npos);
}

TEST_F(SessionTest, AFileOfAnotherShapeIsReplacedOnlyAfterAYes) {
    const GradeData written = makeGrade(1, 30, 2);  // 1 × 45 × 2 = 90 values
    auto scores = std::make_unique<TestScores>();
    scores->scores[1][0][0] = 77;
    ASSERT_TRUE(writeScores(scorePath(dir.path(), 2026, 1, 1), written, *scores));
    const std::string before = readBytes(scorePath(dir.path(), 2026, 1, 1));
    open(makeGrade(2, 30, 2));  // a class added since: 180 values expected
    ASSERT_EQ(opened.failure, OpenFailure::None);
    EXPECT_NE(shapeQuestion(*session).find("（90）が、基礎データから決まる数（180）"),
              std::string::npos);

    messages.answers = {MessageAnswer::No};
    EXPECT_EQ(saveScores(*session, messages).outcome, SaveOutcome::Cancelled);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].safeAnswer, MessageAnswer::No);
    EXPECT_EQ(readBytes(scorePath(dir.path(), 2026, 1, 1)), before);

    messages.answers = {MessageAnswer::Yes};
    EXPECT_EQ(saveScores(*session, messages).outcome, SaveOutcome::Written);
    EXPECT_EQ(saveScores(*session, messages).outcome, SaveOutcome::Written);
    EXPECT_EQ(messages.shown.size(), 2u);  // asked once more, then no more
    auto saved = std::make_unique<TestScores>();
    ASSERT_TRUE(readScores(session->scoreFile, session->gradeData(), *saved));
    EXPECT_EQ(saved->scores[1][0][0], 77);
}

// Each score is read against its full marks in the test opened (50 here, the file written
// under 100): one above opens as none with its place in the health, one at full marks stays;
// a save keeps the scores within full marks and leaves out the one above.
TEST_F(SessionTest, AScoreAboveItsFullMarksOpensAsNone) {
    auto scores = std::make_unique<TestScores>();
    scores->scores[0][0][0] = 51;
    scores->scores[0][0][1] = 50;
    scores->scores[1][0][0] = 99;  // subject 2 keeps full marks 100
    ASSERT_TRUE(writeScores(scorePath(dir.path(), 2026, 1, 1), makeGrade(1, 3, 2), *scores));
    GradeData grade = makeGrade(1, 3, 2);
    grade.fullMarks[0][0] = 50;
    open(grade);
    ASSERT_EQ(opened.failure, OpenFailure::None);
    EXPECT_EQ(session->scores.scores[0][0][0], kNoScore);
    EXPECT_EQ(session->scores.scores[0][0][1], 50);
    EXPECT_EQ(session->scores.scores[1][0][0], 99);
    EXPECT_EQ(session->scoreHealth.rejected, 1u);
    EXPECT_TRUE(session->scoreHealth.damaged());

    session->scores.scores[1][0][2] = 7;
    ASSERT_EQ(saveScores(*session, messages).outcome, SaveOutcome::Written);
    auto saved = std::make_unique<TestScores>();
    ASSERT_TRUE(readScores(session->scoreFile, grade, *saved));
    EXPECT_EQ(saved->scores[0][0][0], kNoScore);
    EXPECT_EQ(saved->scores[0][0][1], 50);
    EXPECT_EQ(saved->scores[1][0][2], 7);
}
