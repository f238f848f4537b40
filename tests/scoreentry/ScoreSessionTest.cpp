#include <gtest/gtest.h>

#include "EntryTexts.h"
#include "FakeMessages.h"
#include "Fixtures.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "ScoreSession.h"
#include "TempDir.h"

using namespace jitsu;

namespace {

// A session on grade 1 of `grade`, test 1, read from a fresh directory with a roster.
class SessionTest : public ::testing::Test {
protected:
    TempDir dir;
    FakeMessages messages;
    std::unique_ptr<ScoreSession> session = std::make_unique<ScoreSession>();

    void open(const GradeData& grade, bool withRoster = true) {
        session->basic.year = 2026;
        session->basic.rosterTag.assign("N");
        session->basic.grades[0] = grade;
        if (withRoster) {
            std::string roster;
            for (int c = 0; c < grade.classes(); ++c)
                for (unsigned k = 1; k <= grade.headCounts[c]; ++k)
                    roster += std::to_string((c + 1) * 100 + k) + "," + sj("名") +
                              std::to_string(k) + "\n";
            writeBytes(rosterPath(dir.path(), "N", 2026, 1), roster);
        }
        status = openGradeTest(*session, dir.path(), 2026, 0, 0);
    }
    Status status = Status::ok();
};

}  // namespace

TEST(NeighbourSubject, SkipsSubjectsNotGivenAndGoesRound) {
    GradeData grade = makeGrade(1, 1, 4);
    grade.fullMarks[0][1] = -1;
    grade.fullMarks[0][2] = 0;
    EXPECT_EQ(neighbourSubject(grade, 0, 0, 1), 3);
    EXPECT_EQ(neighbourSubject(grade, 0, 3, 1), 0);
    EXPECT_EQ(neighbourSubject(grade, 0, 0, -1), 3);
    EXPECT_EQ(neighbourSubject(grade, 0, 3, -1), 0);
    grade.fullMarks[0][3] = -1;
    EXPECT_EQ(neighbourSubject(grade, 0, 0, 1), 0);  // no other: stays
    EXPECT_EQ(firstGivenSubject(grade, 0), 0);
    grade.fullMarks[0][0] = 0;
    EXPECT_EQ(firstGivenSubject(grade, 0), -1);
}

TEST(NeighbourClass, GoesRound) {
    EXPECT_EQ(neighbourClass(2, 1, 3), 0);
    EXPECT_EQ(neighbourClass(0, -1, 3), 2);
    EXPECT_EQ(neighbourClass(0, 1, 1), 0);
    EXPECT_EQ(neighbourClass(0, 1, 0), 0);
}

TEST_F(SessionTest, OpensTheFirstClassAndTheFirstGivenSubject) {
    GradeData grade = makeGrade(2, 3, 3);
    grade.fullMarks[0][0] = -1;
    open(grade);
    ASSERT_TRUE(status);
    EXPECT_EQ(session->currentClass, 0);
    EXPECT_EQ(session->currentSubject, 1);
    EXPECT_EQ(session->fullMarks(), 100);
    EXPECT_EQ(session->scoreFile, scorePath(dir.path(), 2026, 1, 1));
    EXPECT_EQ(session->scores.scores[1][1][44], -1);  // no score file yet
    session->currentClass = 1;
    std::vector<SlotRow> rows = shownRows(*session);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2].number, "203");
    EXPECT_EQ(rows[2].name, "名3");
    EXPECT_EQ(rows[2].score, "");
}

TEST_F(SessionTest, AMissingRosterFailsAndChangesNothing) {
    open(makeGrade(1, 3, 1), /*withRoster=*/false);
    EXPECT_FALSE(status);
    EXPECT_TRUE(session->scoreFile.empty());
}

TEST_F(SessionTest, StoresTheShownCellsOnly) {
    GradeData grade = makeGrade(2, 3, 2);
    open(grade);
    session->currentClass = 1;
    session->currentSubject = 1;
    storeGridScores(*session, {"7", "", "x", "99"});  // a fourth cell is not a student
    EXPECT_EQ(session->scores.scores[1][1][0], 7);
    EXPECT_EQ(session->scores.scores[1][1][1], -1);
    EXPECT_EQ(session->scores.scores[1][1][2], -1);
    EXPECT_EQ(session->scores.scores[1][1][3], -1);
    EXPECT_EQ(shownScoreTexts(*session), (std::vector<std::string>{"7", "", ""}));
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
    session->scores.scores[0][1][3] = 50;
    session->scores.scores[1][1][3] = 50;
    session->scores.scores[0][1][4] = 50;
    session->scores.scores[1][1][4] = 50;

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

    session->scoresChanged = true;
    std::filesystem::remove(session->scoreFile);
    std::filesystem::create_directory(session->scoreFile);
    messages.shown.clear();
    messages.answers = {MessageAnswer::No, MessageAnswer::No};
    EXPECT_EQ(saveScores(*session, messages).outcome, SaveOutcome::WriteFailed);
    EXPECT_EQ(messages.shown.back().text, text::kScoresNotSaved);
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_TRUE(session->scoresChanged);
    EXPECT_EQ(session->scores.scores[1][1][4], 50);
}
