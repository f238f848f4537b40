// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>
#include <thread>

#include "Fixtures.h"
#include "ScoreMerge.h"
#include "TempDir.h"

using namespace jitsu;

namespace {

const GradeData kGrade = makeGrade(2, 30, 4);

ConflictQuestion answering(ConflictChoice choice, std::vector<std::vector<ScoreConflict>>* asked) {
    return [=](const std::vector<ScoreConflict>& conflicts) {
        asked->push_back(conflicts);
        return choice;
    };
}

ConflictQuestion neverAsked() {
    return [](const std::vector<ScoreConflict>&) {
        ADD_FAILURE() << "a question without a conflict";
        return ConflictChoice::Cancel;
    };
}

std::unique_ptr<TestScores> fileScores(const std::filesystem::path& file) {
    auto scores = std::make_unique<TestScores>();
    EXPECT_TRUE(readScores(file, kGrade, *scores));
    return scores;
}

}  // namespace

// One cell as the saver read it (base), as it saves it (ours) and as the file holds it at the
// save (file).
struct MergeCase {
    int base, ours, file;
    bool conflict;
    int keepOurs, takeFile;  // what the file holds after the save, for either answer
};

TEST(SaveScoreCells, EachCellAgainstWhatTheSaverRead) {
    const MergeCase cases[] = {{10, 20, 10, false, 20, 20},  // only ours
                               {10, 10, 30, false, 30, 30},  // only the file's
                               {10, -1, 10, false, -1, -1},  // ours cleared
                               {10, 10, -1, false, -1, -1},  // the file's cleared
                               {10, 40, 40, false, 40, 40},  // the same
                               {10, 20, 30, true, 20, 30},  {-1, 20, 0, true, 20, 0},
                               {10, -1, 30, true, -1, 30}};
    for (const MergeCase& c : cases)
        for (ConflictChoice choice : {ConflictChoice::KeepOurs, ConflictChoice::TakeFile}) {
            TempDir dir;
            const auto file = dir / "JT26_1_1.txt";
            auto base = std::make_unique<TestScores>(), ours = std::make_unique<TestScores>(),
                 inFile = std::make_unique<TestScores>(), saved = std::make_unique<TestScores>();
            base->scores[2][1][44] = c.base;
            ours->scores[2][1][44] = c.ours;
            inFile->scores[2][1][44] = c.file;
            ours->scores[0][0][0] = 5;    // only ours elsewhere: always saved
            inFile->scores[1][1][3] = 6;  // only the file's elsewhere: always kept
            ASSERT_TRUE(writeScores(file, kGrade, *inFile));
            std::vector<std::vector<ScoreConflict>> asked;
            const std::string cell = std::to_string(c.base) + " " + std::to_string(c.ours) + " " +
                                     std::to_string(c.file);
            ASSERT_EQ(saveScoreCells(file, kGrade, *base, changedCells(kGrade, *base, *ours),
                                     answering(choice, &asked), *saved)
                          .outcome,
                      MergeOutcome::Written)
                << cell;
            ASSERT_EQ(asked.size(), c.conflict ? 1u : 0u) << cell;
            if (c.conflict) {
                EXPECT_EQ(asked[0],
                          (std::vector<ScoreConflict>{{{2, 1, 44, c.ours}, c.base, c.file}}));
            }
            auto now = fileScores(file);
            EXPECT_EQ(now->scores[2][1][44],
                      choice == ConflictChoice::KeepOurs ? c.keepOurs : c.takeFile)
                << cell;
            EXPECT_EQ(now->scores[0][0][0], 5);
            EXPECT_EQ(now->scores[1][1][3], 6);
            EXPECT_EQ(formatScores(kGrade, *saved), formatScores(kGrade, *now));
        }
}

TEST(SaveScoreCells, CancelWritesNothingAndAnUnreadableFileCountsAsTheBase) {
    TempDir dir;
    const auto file = dir / "JT26_1_1.txt";
    auto base = std::make_unique<TestScores>(), saved = std::make_unique<TestScores>();
    base->scores[0][0][0] = 10;
    base->scores[1][0][0] = 11;
    auto inFile = std::make_unique<TestScores>(*base);
    inFile->scores[0][0][0] = 30;
    ASSERT_TRUE(writeScores(file, kGrade, *inFile));
    const std::string before = readBytes(file);
    std::vector<std::vector<ScoreConflict>> asked;
    EXPECT_EQ(saveScoreCells(file, kGrade, *base, {{0, 0, 0, 20}},
                             answering(ConflictChoice::Cancel, &asked), *saved)
                  .outcome,
              MergeOutcome::Cancelled);
    EXPECT_EQ(readBytes(file), before);

    std::filesystem::remove(file);  // gone: what this saver read stands for it
    ASSERT_EQ(saveScoreCells(file, kGrade, *base, {{0, 0, 0, 20}}, neverAsked(), *saved).outcome,
              MergeOutcome::Written);
    EXPECT_EQ(fileScores(file)->scores[0][0][0], 20);
    EXPECT_EQ(fileScores(file)->scores[1][0][0], 11);

    std::filesystem::remove(file);
    std::filesystem::create_directory(file);  // cannot be written
    const MergeResult failed =
        saveScoreCells(file, kGrade, *base, {{0, 0, 0, 20}}, neverAsked(), *saved);
    EXPECT_EQ(failed.outcome, MergeOutcome::Failed);
    EXPECT_NE(failed.status.reason().find("JT26_1_1.txt"), std::string::npos);
}

// While one terminal's question is open, the other saves (from another thread, so that a lock
// still held would make it wait and fail): its save is kept, and a new conflict it brings is
// asked about again before anything is written.
TEST(SaveScoreCells, ASaveWhileTheQuestionIsOpenIsKept) {
    TempDir dir;
    const auto file = dir / "JT26_1_1.txt";
    auto base = std::make_unique<TestScores>(), saved = std::make_unique<TestScores>();
    auto theirs = std::make_unique<TestScores>();
    theirs->scores[0][0][0] = 30;
    ASSERT_TRUE(writeScores(file, kGrade, *theirs));
    const std::vector<ScoreCell> ours = {{0, 0, 0, 20}, {0, 0, 1, 21}};

    int questions = 0;
    auto ask = [&](const std::vector<ScoreConflict>& conflicts) {
        ++questions;
        if (questions == 1) {
            EXPECT_EQ(conflicts.size(), 1u);
            std::thread other([&] {
                auto otherSaved = std::make_unique<TestScores>();
                const MergeResult r =
                    saveScoreCells(file, kGrade, *theirs, {{1, 1, 7, 77}, {0, 0, 1, 31}},
                                   neverAsked(), *otherSaved);
                EXPECT_EQ(r.outcome, MergeOutcome::Written) << r.status.reason();
            });
            other.join();
        } else {
            EXPECT_EQ(conflicts.size(), 2u);  // slot 1 is a conflict now as well
        }
        return ConflictChoice::KeepOurs;
    };
    ASSERT_EQ(saveScoreCells(file, kGrade, *base, ours, ask, *saved).outcome,
              MergeOutcome::Written);
    EXPECT_EQ(questions, 2);
    auto now = fileScores(file);
    EXPECT_EQ(now->scores[1][1][7], 77);  // the other terminal's save, made meanwhile
    EXPECT_EQ(now->scores[0][0][0], 20);
    EXPECT_EQ(now->scores[0][0][1], 21);
}

// Two terminals saving into one file as fast as they can, each its own cells, each keeping its
// base as the save left it: no cell of either is lost.
TEST(SaveScoreCells, TwoProcessesSavingInATightLoopLoseNothing) {
    constexpr int kRounds = 3, kSaves = 60;  // each its class: 60 of its 45 × 4 cells
    TempDir dir;
    const auto file = dir / "JT26_1_1.txt";
    auto saveLoop = [&](int cls) {
        auto base = std::make_unique<TestScores>(), saved = std::make_unique<TestScores>();
        if (!readScores(file, kGrade, *base)) base->clear();
        for (int i = 0; i < kSaves; ++i) {
            const ScoreCell cell{i / kSlots, cls, i % kSlots, (i + cls) % 100 + 1};
            if (saveScoreCells(file, kGrade, *base, {cell}, neverAsked(), *saved).outcome !=
                MergeOutcome::Written)
                return false;
            *base = *saved;
        }
        return true;
    };
    for (int round = 0; round < kRounds; ++round) {
        std::filesystem::remove(file);
        const pid_t child = ::fork();
        if (child == 0) ::_exit(saveLoop(1) ? 0 : 1);
        const bool parentSaved = saveLoop(0);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(parentSaved);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        auto now = fileScores(file);
        int lost = 0;
        for (int cls : {0, 1})
            for (int i = 0; i < kSaves; ++i)
                lost += now->scores[i / kSlots][cls][i % kSlots] != (i + cls) % 100 + 1;
        EXPECT_EQ(lost, 0) << "round " << round;
    }
}
