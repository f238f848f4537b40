// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScoreSession.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "EntryTexts.h"
#include "FileSystem.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "ScoreMerge.h"
#include "ScoreText.h"

namespace jitsu {

int ScoreSession::fullMarksOf(int subject) const {
    if (subject < 0 || subject >= gradeData().subjects() || test < 0 || test >= kMaxTests) return 0;
    return gradeData().fullMarks[test][subject];
}

int ScoreSession::shownSlots() const {
    if (currentClass < 0 || currentClass >= gradeData().classes()) return 0;
    return gradeData().studentSlots(currentClass);
}

OpenResult openGradeTest(ScoreSession& session, const std::filesystem::path& dir, unsigned year,
                         int grade, int test) {
    const GradeData& data = session.basic.grades[grade];
    auto roster = rosterPath(dir, session.basic.rosterTag.view().bytes(), year, grade + 1);
    if (Status s = readRoster(roster, session.roster); !s) return {OpenFailure::Roster, s};
    session.grade = grade;
    session.test = test;
    session.rosterFile = roster;
    session.scoreFile = scorePath(dir, year, test + 1, grade + 1);
    classRanges(data, session.roster);
    // Only a missing file is a new test (every score -1); one that cannot be read is not opened.
    session.scoreHealth = {};
    Status read =
        readScores(session.scoreFile, data, session.scores, &session.scoreHealth, test + 1);
    if (!read && !read.isMissing()) return {OpenFailure::Scores, std::move(read)};
    session.base = session.scores;
    session.shape = read ? checkShape(session.scoreHealth) : ShapeFit{};
    session.askBeforeReplacing = !session.shape.fits;
    session.currentClass = 0;
    session.currentSubject = firstGivenSubject(data, test);
    return {};
}

int firstGivenSubject(const GradeData& grade, int test) {
    for (int j = 0; j < grade.subjects(); ++j)
        if (grade.isGiven(test, j)) return j;
    return -1;
}

int neighbourSubject(const GradeData& grade, int test, int current, int step) {
    const int n = grade.subjects();
    for (int i = 1; i < n; ++i) {
        int candidate = ((current + step * i) % n + n) % n;
        if (grade.isGiven(test, candidate)) return candidate;
    }
    return current;
}

int neighbourClass(int current, int step, int classCount) {
    if (classCount <= 0) return current;
    return ((current + step) % classCount + classCount) % classCount;
}

void storeGridScores(ScoreSession& session, const std::vector<std::string>& cellTexts) {
    const int slots = std::min<int>(session.shownSlots(), static_cast<int>(cellTexts.size()));
    if (session.currentSubject < 0 || slots == 0) return;
    auto& scores = session.scores.scores[session.currentSubject][session.currentClass];
    for (int k = 0; k < slots; ++k) {
        const int score = scoreOfText(cellTexts[k]);
        if (score <= session.fullMarks()) scores[k] = score;
    }
}

bool hasUnsavedScores(const ScoreSession& session) {
    return !changedCells(session.gradeData(), session.base, session.scores).empty();
}

std::vector<std::string> shownScoreTexts(const ScoreSession& session) {
    std::vector<std::string> texts(session.shownSlots());
    if (session.currentSubject < 0 || texts.empty()) return texts;
    const auto& scores = session.scores.scores[session.currentSubject][session.currentClass];
    for (std::size_t k = 0; k < texts.size(); ++k) texts[k] = textOfScore(scores[k]);
    return texts;
}

std::vector<SlotRow> shownRows(const ScoreSession& session) {
    std::vector<std::string> scores = shownScoreTexts(session);
    std::vector<SlotRow> rows(scores.size());
    for (std::size_t k = 0; k < rows.size(); ++k) {
        int entry = session.roster.entryOf(session.currentClass, static_cast<int>(k));
        rows[k].number = session.roster.numberAt(entry).utf8();
        rows[k].name = session.roster.nameAt(entry).utf8();
        rows[k].score = std::move(scores[k]);
    }
    return rows;
}

std::vector<DisciplineClash> disciplineClashes(const GradeData& grade, const TestScores& scores) {
    std::vector<DisciplineClash> clashes;
    for (int c = 0; c < grade.classes(); ++c)
        for (int s = 0; s < kSlots; ++s) {
            int counts[kDisciplines + 1] = {};
            bool clash = false;
            for (int j = 0; j < grade.subjects(); ++j) {
                std::uint32_t d = grade.disciplineNumbers[j];
                if (d >= 1 && d <= kDisciplines && scores.scores[j][c][s] >= 0)
                    clash |= ++counts[d] >= 2;
            }
            if (clash) clashes.push_back({c, s});
        }
    return clashes;
}

std::string clashQuestion(const ScoreSession& session, const DisciplineClash& clash) {
    // A slot past the class's head count has no student: its name is empty, never the name of
    // the next class's first student.
    int entry = session.roster.entryOf(clash.cls, clash.slot);
    return session.gradeData().classNames[clash.cls].utf8() + text::kClashHome +
           std::to_string(clash.slot + 1) + text::kClashPosition +
           session.roster.nameAt(entry).utf8() + text::kClashRest;
}

std::string conflictQuestion(const ScoreSession& session,
                             const std::vector<ScoreConflict>& conflicts) {
    return conflictQuestion(session.gradeData(), session.roster, conflicts);
}

std::string savedNotice(const LocalTime& time) {
    char clock[16];
    std::snprintf(clock, sizeof clock, "%d:%02d", time.hour, time.minute);
    return text::kSavedAt + std::string(clock) + text::kSavedAtEnd;
}

std::string shapeQuestion(const ScoreSession& session) {
    return text::kShapeFile + utf8FromPath(session.scoreFile.filename()) + text::kShapeFound +
           std::to_string(session.shape.found) + text::kShapeExpected +
           std::to_string(session.shape.expected) + text::kShapeRest;
}

std::string replaceQuestion(const ScoreSession& session) {
    return replaceQuestion(session.scoreFile);
}

SaveResult saveScores(ScoreSession& session, Messages& messages) {
    if (session.askBeforeReplacing &&
        messages.ask(replaceQuestion(session), text::kConfirm, MessageIcon::Exclamation,
                     MessageButtons::YesNo, MessageAnswer::No) != MessageAnswer::Yes)
        return {SaveOutcome::Cancelled};
    // Asked before the merge, about what the person typed: no question while the lock is held.
    for (const DisciplineClash& clash : disciplineClashes(session.gradeData(), session.scores)) {
        MessageAnswer answer =
            messages.ask(clashQuestion(session, clash), text::kWarning, MessageIcon::Exclamation,
                         MessageButtons::YesNo, MessageAnswer::Yes);
        if (answer == MessageAnswer::Yes) return {SaveOutcome::Correcting, clash.cls};
    }
    const GradeData& grade = session.gradeData();
    auto saved = std::make_unique<TestScores>();
    const MergeResult merged = saveScoreCells(
        session.scoreFile, grade, session.base, changedCells(grade, session.base, session.scores),
        conflictAsker(grade, session.roster, messages), *saved, session.test + 1);
    if (merged.outcome == MergeOutcome::Cancelled) return {SaveOutcome::Cancelled};
    if (merged.outcome == MergeOutcome::Failed) {
        messages.alert(text::kScoresNotSaved, text::kConfirm, MessageIcon::Stop,
                       merged.status.reason());
        return {SaveOutcome::WriteFailed};
    }
    session.base = *saved;
    session.scores = *saved;
    session.scoresChanged = false;
    session.askBeforeReplacing = false;  // the file has the shape of the basic data now
    return {SaveOutcome::Written};
}

}  // namespace jitsu
