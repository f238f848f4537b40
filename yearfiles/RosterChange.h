// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "BasicData.h"
#include "Cp932Text.h"
#include "FileRewrite.h"
#include "Roster.h"
#include "RosterImport.h"
#include "Status.h"
#include "TestScores.h"

namespace jitsu::yearfiles {

// A student of a roster (a line with a number or a name) who has a score slot: class (0-based),
// slot (0 … 44), and number and name as the roster holds them.
struct SeatedStudent {
    int cls = 0;
    int slot = 0;
    Cp932Text number, name;
};

// The students of `roster` (class ranges set) who have score slots, in class and slot order.
std::vector<SeatedStudent> seatedStudents(const GradeData& grade, const GradeRoster& roster);

// Who is who between a roster and the one replacing it.
struct RosterChange {
    struct Pair {
        SeatedStudent before, after;
    };
    struct Leaver {
        SeatedStudent student;
        std::vector<int> testsWithScores;  // 1-based, filled by noteScoresOfLeavers
    };
    std::vector<Pair> stay;   // the same class and slot
    std::vector<Pair> moves;  // another class or slot
    std::vector<Leaver> leavers;
    std::vector<SeatedStudent> arrivals;
};

// Matches the students of two rosters of one grade, each at most once, in three rounds: the
// same number and name; then the same name where it is the name of exactly one student in
// each roster (a class renumbered after a transfer), or else of exactly one student of the
// class in each; then the same number with a changed name.
// Numbers compare by value, names byte for byte. The rest have left or are new.
RosterChange matchRosters(const std::vector<SeatedStudent>& before,
                          const std::vector<SeatedStudent>& after);

// Adds test `test` to the leavers who have a score in `scores`.
void noteScoresOfLeavers(RosterChange& change, int test, const GradeData& grade,
                         const TestScores& scores);

// `after` holds every score of `before` at its student's new slot; leavers' scores are
// dropped, new students and empty slots get none.
void carryScores(const RosterChange& change, const TestScores& before, TestScores& after);

// What replacing grade `grade`'s roster does to its score files, worked out before anything
// is written.
struct RosterReplacement {
    std::filesystem::path roster;  // the roster file to replace
    RosterChange change;
    // The grade's score files that exist, by test; after: with the scores carried.
    std::vector<FileRewrite> scoreFiles;
    std::optional<std::string> rosterBytes;  // the roster file as planned; none when missing
    std::vector<unsigned> classSizes;        // the sizes the new roster's classes are placed by
};

// Plans carrying grade `grade`'s (1 … 3) score files of `year` (in the shape of `data`) from
// the students of `before` to those of `after`, each placed by its own class ranges (set by
// the caller): `plan.change` and `plan.scoreFiles`. Fails naming the file when a score file
// cannot be read or no longer fits the basic data.
Status planScoreCarry(const std::filesystem::path& dir, const GradeData& data, unsigned year,
                      int grade, const GradeRoster& before, const GradeRoster& after,
                      RosterReplacement& plan);

// Reads the roster the score files of grade `grade` (1 … 3) of `year` are aligned to (its
// aligned copy, placed by the class sizes remembered with it, which a head count changed since
// does not alter; without a copy that can be read, the present roster by the head counts;
// none: nobody can tell whose the
// scores are, and they stay in their slots: no score file to rewrite) and the score files,
// matches the students of `imported`, each in the class the import gave it (a transfer student
// may make a class larger than its head count until the head count is changed, which moves no
// score), and computes the score files' new bytes. Fails naming the file when one cannot be
// read or no longer fits the basic data.
Status planRosterReplacement(const std::filesystem::path& dir, const BasicData& data, unsigned year,
                             int grade, const ImportedRoster& imported, RosterReplacement& plan);

// Whether scores would follow their students (there are score files to rewrite).
inline bool carriesScores(const RosterReplacement& plan) { return !plan.scoreFiles.empty(); }

// What the person is shown before the roster is replaced (UTF-8): how many students keep
// their slot, who moves (from and to) and who is new (the first twelve of each, then how many
// more), each one who leaves with the tests on which they have scores.
std::string replacementSummary(const RosterReplacement& plan, const GradeData& grade);

// Rewrites every score file of the plan, then the roster and its aligned copy (with the
// import's class sizes); all or nothing:
// when a write fails (or a score file changed since the plan), the files already rewritten
// get their bytes back and the reason names the file. The rewritten score files are newer
// than the grade's results files, which are out of date from then on. An existing roster is
// replaced only when `replace` (writeRoster).
Status applyRosterReplacement(const RosterReplacement& plan, const ImportedRoster& imported,
                              bool replace = true);

}  // namespace jitsu::yearfiles
