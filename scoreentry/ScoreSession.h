// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "BasicData.h"
#include "Clock.h"
#include "FileFindings.h"
#include "Messages.h"
#include "Roster.h"
#include "ScoreMerge.h"
#include "ScoreMergeQuestions.h"
#include "Status.h"
#include "TestScores.h"

namespace jitsu {

// What the score entry works on once grade and test are chosen: the grade's roster, the working
// copy of all its scores in the test, where they are saved, and which class and subject are shown.
// The grids hold the shown class and subject; they are stored back here on every change of class
// or subject and before every save. `base` is what the score file held when this session last
// read or wrote it: another session's changes saved meanwhile are told from ours against it.
struct ScoreSession {
    BasicData basic;
    GradeRoster roster;
    TestScores scores;
    TestScores base;
    std::filesystem::path rosterFile, scoreFile;
    int grade = 0;  // 0 … 2
    int test = 0;   // test index: test number - 1
    int currentClass = 0;
    int currentSubject = -1;     // -1 when no subject of the grade is given in the test
    bool scoresChanged = false;  // hasUnsavedScores, as of the last edit or save
    ShapeFit shape;  // the score file's count of values against the basic data, as opened
    // What the reader saw in the score file as opened: a score above its full marks in the
    // test is rejected there, with its place, and opened as none.
    FileFindings scoreHealth;
    // Opened although its shape does not fit: the next save asks before replacing the file.
    bool askBeforeReplacing = false;

    const GradeData& gradeData() const { return basic.grades[grade]; }
    // Full marks of subject j in the chosen test; below 1 when it is not given.
    int fullMarksOf(int subject) const;
    bool isGiven(int subject) const { return fullMarksOf(subject) >= 1; }
    // Full marks of the shown subject, 0 when there is none.
    int fullMarks() const { return fullMarksOf(currentSubject); }
    // Students of the shown class that the grids show: its head count, at most 45.
    int shownSlots() const;
};

// Fixes grade and test, reads the roster (the classes' ranges from the head counts) and the
// score file of `year`, each score checked against its full marks in the test; a missing score
// file is a test with no scores yet, and `shape` tells whether the file's count of values fits
// the basic data. Shows the first class and the first
// subject given in the test. Fails when the roster cannot be read (nothing else changed) or the
// score file exists but cannot be read (the test must not be opened: a save would replace it).
enum class OpenFailure { None, Roster, Scores };
struct OpenResult {
    OpenFailure failure = OpenFailure::None;
    Status status = Status::ok();  // the reason, naming the file, for a failure
};
OpenResult openGradeTest(ScoreSession& session, const std::filesystem::path& dir, unsigned year,
                         int grade, int test);

// The first subject given in test index `test`, or -1.
int firstGivenSubject(const GradeData& grade, int test);

// The next (`step` 1) or previous (`step` -1) subject given in the test after `current`, going
// round the list; `current` itself when no other subject is given.
int neighbourSubject(const GradeData& grade, int test, int current, int step);

// The next (`step` 1) or previous (`step` -1) class, going round; `current` when there is none.
int neighbourClass(int current, int step, int classCount);

// Stores the shown cells (texts of slots 0, 1, … of the shown class and subject) into the working
// copy: a text that is not a whole number, the empty one included, as no score. A value above the
// full marks is refused: that score keeps its previous value. Does nothing without a shown subject.
void storeGridScores(ScoreSession& session, const std::vector<std::string>& cellTexts);

// Whether the working copy holds a score other than the base's: what a save would write.
bool hasUnsavedScores(const ScoreSession& session);

// What the grids show for one slot of the shown class (UTF-8).
struct SlotRow {
    std::string number, name, score;
};
std::vector<SlotRow> shownRows(const ScoreSession& session);
// Only the score texts of the shown class, for a change of subject.
std::vector<std::string> shownScoreTexts(const ScoreSession& session);

// A student who holds scores in two or more subjects of one discipline (1 to 5).
struct DisciplineClash {
    int cls = 0;
    int slot = 0;
    bool operator==(const DisciplineClash&) const = default;
};
std::vector<DisciplineClash> disciplineClashes(const GradeData& grade, const TestScores& scores);

// The "警告" question for a clash, naming the class, the position and the roster name.
std::string clashQuestion(const ScoreSession& session, const DisciplineClash& clash);

// The question on ＯＫ when the score file's shape does not fit (session.shape): the file name,
// the counts found and expected, and that class or subject counts changed since it was written.
std::string shapeQuestion(const ScoreSession& session);
// The question before the first save replaces a file that was opened although it did not fit.
std::string replaceQuestion(const ScoreSession& session);

// The conflict question (conflictQuestion of ScoreMergeQuestions.h) naming the session's cells.
std::string conflictQuestion(const ScoreSession& session,
                             const std::vector<ScoreConflict>& conflicts);

// What the window says after a save, e.g. "保存しました（14:05）".
std::string savedNotice(const LocalTime& time);

// Saving the working copy (the grids stored back first by the caller). A file opened although
// its shape did not fit is replaced only after a Yes to replaceQuestion. Every clash is then asked
// about in turn; Yes (correct it) ends the save with nothing written, and the caller shows that
// class. The cells changed since the base are then saved through saveScoreCells: what another
// session saved meanwhile is merged in, scores both changed differently are asked about
// (conflictQuestion), and キャンセル (Esc) ends the save with nothing written or merged. A file
// that cannot be written is announced (beep and message); the scores stay in memory.
// On Written the working copy and the base are what the file holds now, and `scoresChanged` is
// cleared. The caller shows the working copy again afterwards: it may hold the other session's
// scores.
enum class SaveOutcome { Written, Correcting, WriteFailed, Cancelled };
struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Written;
    int correctClass = -1;  // for Correcting
};
SaveResult saveScores(ScoreSession& session, Messages& messages);

}  // namespace jitsu
