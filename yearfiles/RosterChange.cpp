// SPDX-License-Identifier: GPL-3.0-or-later
#include "RosterChange.h"

#include <algorithm>
#include <map>
#include <memory>
#include <tuple>

#include "AlignedCopy.h"
#include "AtomicWrite.h"
#include "Cp932.h"
#include "FileFindings.h"
#include "Paths.h"
#include "StudentNumber.h"
#include "TestList.h"
#include "TextFile.h"

namespace jitsu::yearfiles {

namespace {

namespace fs = std::filesystem;

using Index = std::vector<std::size_t>;

// Matches unmatched students of `before` and `after` whose keys are equal, each key used only
// when `unique` allows it.
template <typename Key>
void matchBy(const std::vector<SeatedStudent>& before, const std::vector<SeatedStudent>& after,
             std::vector<int>& partner, std::vector<bool>& taken, Key key, bool uniqueOnly) {
    std::map<decltype(key(before[0])), Index> inAfter, inBefore;
    for (std::size_t i = 0; i < after.size(); ++i) inAfter[key(after[i])].push_back(i);
    if (uniqueOnly)
        for (std::size_t i = 0; i < before.size(); ++i) inBefore[key(before[i])].push_back(i);
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (partner[i] >= 0) continue;
        const auto found = inAfter.find(key(before[i]));
        if (found == inAfter.end()) continue;
        if (uniqueOnly && (found->second.size() != 1 || inBefore[key(before[i])].size() != 1))
            continue;
        for (std::size_t j : found->second)
            if (!taken[j]) {
                partner[i] = static_cast<int>(j);
                taken[j] = true;
                break;
            }
    }
}

// A number as a key that compares by value: without leading zeros.
std::string numberKey(const std::string& number) {
    const std::size_t first = number.find_first_not_of('0');
    return first == std::string::npos ? number.substr(0, 1) : number.substr(first);
}

std::string seatText(const GradeData& grade, const SeatedStudent& s) {
    return grade.classNames[s.cls].utf8() + "組 " + std::to_string(s.slot + 1) + "番";
}

std::string studentText(const SeatedStudent& s) { return s.number.utf8() + " " + s.name.utf8(); }

// How many students who move or are new the summary names; those who leave are all named,
// since their scores are dropped.
constexpr std::size_t kListed = 12;

// One line per item, the first kListed of them, then how many more.
template <typename Item, typename Line>
void appendListed(std::string& out, const std::vector<Item>& items, Line line) {
    for (std::size_t i = 0; i < items.size() && i < kListed; ++i)
        out += "　" + line(items[i]) + "\n";
    if (items.size() > kListed)
        out += "　…ほか " + std::to_string(items.size() - kListed) + " 人\n";
}

// Reads score file `path` of `grade` into `text` (as read) and `scores`; fails naming the file
// when it cannot be read, is damaged or no longer fits the basic data.
Status readFitting(const fs::path& path, const GradeData& grade, std::string& text,
                   TestScores& scores) {
    FileFindings health;
    if (Status read = readTextFile(path, kMaxScoreFileBytes, text, &health); !read) return read;
    parseScores(text, grade, scores, &health);
    if (!checkShape(health).fits || health.damaged())
        return Status::error(
            because(N_("{1}: {2}: the scores cannot be carried to the new roster; check the file"),
                    path, health.describe()));
    return Status::ok();
}

}  // namespace

std::vector<SeatedStudent> seatedStudents(const GradeData& grade, const GradeRoster& roster) {
    std::vector<SeatedStudent> students;
    for (int k = 0; k < grade.classes(); ++k)
        for (int s = 0; s < kSlots; ++s) {
            const int entry = roster.entryOf(k, s);
            if (entry < 0) break;
            if (roster.numberAt(entry).empty() && roster.nameAt(entry).empty()) continue;
            students.push_back(
                {k, s, Cp932Text(roster.numberAt(entry)), Cp932Text(roster.nameAt(entry))});
        }
    return students;
}

RosterChange matchRosters(const std::vector<SeatedStudent>& before,
                          const std::vector<SeatedStudent>& after) {
    std::vector<int> partner(before.size(), -1);
    std::vector<bool> taken(after.size(), false);
    matchBy(
        before, after, partner, taken,
        [](const SeatedStudent& s) {
            return std::make_pair(numberKey(s.number.bytes()), s.name.bytes());
        },
        false);
    matchBy(
        before, after, partner, taken, [](const SeatedStudent& s) { return s.name.bytes(); }, true);
    // A name two classes share is still a key inside its class.
    matchBy(
        before, after, partner, taken,
        [](const SeatedStudent& s) { return std::make_pair(s.cls, s.name.bytes()); }, true);
    // Namesakes no name tells apart are still the students of their seats when they keep them:
    // their scores stay where they are, as without any change.
    matchBy(
        before, after, partner, taken,
        [](const SeatedStudent& s) { return std::make_tuple(s.cls, s.slot, s.name.bytes()); },
        false);
    matchBy(
        before, after, partner, taken,
        [](const SeatedStudent& s) { return numberKey(s.number.bytes()); }, false);

    RosterChange change;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (partner[i] < 0) {
            change.leavers.push_back({before[i], {}});
            continue;
        }
        const SeatedStudent& now = after[static_cast<std::size_t>(partner[i])];
        (now.cls == before[i].cls && now.slot == before[i].slot ? change.stay : change.moves)
            .push_back({before[i], now});
    }
    for (std::size_t j = 0; j < after.size(); ++j)
        if (!taken[j]) change.arrivals.push_back(after[j]);
    return change;
}

void noteScoresOfLeavers(RosterChange& change, int test, const GradeData& grade,
                         const TestScores& scores) {
    for (RosterChange::Leaver& leaver : change.leavers)
        for (int j = 0; j < grade.subjects(); ++j)
            if (scores.scores[j][leaver.student.cls][leaver.student.slot] >= 0) {
                leaver.testsWithScores.push_back(test);
                break;
            }
}

void carryScores(const RosterChange& change, const TestScores& before, TestScores& after) {
    after.clear();
    for (const auto* pairs : {&change.stay, &change.moves})
        for (const RosterChange::Pair& p : *pairs)
            for (int j = 0; j < kMaxSubjects; ++j)
                after.scores[j][p.after.cls][p.after.slot] =
                    before.scores[j][p.before.cls][p.before.slot];
}

Status planScoreCarry(const fs::path& dir, const GradeData& g, unsigned year, int grade,
                      const GradeRoster& before, const GradeRoster& after,
                      RosterReplacement& plan) {
    plan.change = matchRosters(seatedStudents(g, before), seatedStudents(g, after));
    plan.scoreFiles.clear();
    auto old = std::make_unique<TestScores>();
    auto carried = std::make_unique<TestScores>();
    for (int t = 1; t <= g.tests(); ++t) {
        const fs::path path = scorePath(dir, year, t, grade);
        std::string bytes;
        if (Status read = readFitting(path, g, bytes, *old); !read) {
            if (read.isMissing()) continue;
            return read;
        }
        noteScoresOfLeavers(plan.change, t, g, *old);
        carryScores(plan.change, *old, *carried);
        plan.scoreFiles.push_back({path, std::move(bytes), formatScores(g, *carried)});
    }
    return Status::ok();
}

Status planRosterReplacement(const fs::path& dir, const BasicData& data, unsigned year, int grade,
                             const ImportedRoster& imported, RosterReplacement& plan) {
    plan = {};
    plan.roster = rosterPath(dir, data.rosterTag.view().bytes(), year, grade);
    std::string present;
    if (Status read = readFileBytes(plan.roster, kMaxRosterBytes, present); read)
        plan.rosterBytes = std::move(present);
    else if (!read.isMissing())
        return read;
    plan.classSizes = imported.classCounts;
    const GradeData& g = data.grades[grade - 1];
    auto before = std::make_unique<GradeRoster>();
    auto placed = std::make_unique<GradeData>(g);
    AlignedCopy copy;
    Status read = readAlignedCopy(plan.roster, copy);
    if (read) {
        parseRoster(fromCrLf(copy.rosterBytes), *before);
        placeAsCopied(copy, *placed);
    } else {
        read = readRoster(plan.roster, *before);
    }
    // Without a roster nobody can tell whose scores they are: they stay in their slots.
    if (!read) return read.isMissing() ? Status::ok() : read;
    classRanges(*placed, *before);
    auto after = std::make_unique<GradeRoster>();
    parseRoster(fromCrLf(imported.bytes), *after);  // as readRoster would read it from the file
    *placed = g;
    for (std::size_t c = 0; c < imported.classCounts.size() && c < kMaxClasses; ++c)
        placed->headCounts[c] = imported.classCounts[c];
    classRanges(*placed, *after);
    return planScoreCarry(dir, g, year, grade, *before, *after, plan);
}

std::string replacementSummary(const RosterReplacement& plan, const GradeData& grade) {
    const RosterChange& c = plan.change;
    std::string out = "得点は生徒について移ります（" + std::to_string(plan.scoreFiles.size()) +
                      " 回分の点数ファイルを書き直します）。\n";
    out += "番号と位置の変わらない生徒：" + std::to_string(c.stay.size()) + " 人\n";
    out += "位置の変わる生徒：" + std::to_string(c.moves.size()) + " 人\n";
    appendListed(out, c.moves, [&](const RosterChange::Pair& p) {
        return studentText(p.before) + "　" + seatText(grade, p.before) + " → " +
               seatText(grade, p.after) +
               (p.before.name == p.after.name ? "" : "（新しい名前 " + p.after.name.utf8() + "）");
    });
    out += "いなくなる生徒：" + std::to_string(c.leavers.size()) + " 人\n";
    for (const RosterChange::Leaver& l : c.leavers) {
        out += "　" + studentText(l.student) + "　" + seatText(grade, l.student);
        if (l.testsWithScores.empty()) {
            out += "（得点なし）\n";
            continue;
        }
        out += "：";
        for (std::size_t i = 0; i < l.testsWithScores.size(); ++i)
            out += (i ? "・" : "") + testLabel(l.testsWithScores[i]);
        out += " の得点は消えます\n";
    }
    out += "新しい生徒：" + std::to_string(c.arrivals.size()) + " 人\n";
    appendListed(out, c.arrivals, [&](const SeatedStudent& s) {
        return studentText(s) + "　" + seatText(grade, s);
    });
    return out;
}

Status applyRosterReplacement(const RosterReplacement& plan, const ImportedRoster& imported,
                              bool replace) {
    return rewriteAllOrNothing(
        plan.scoreFiles,
        N_("{1}: saved again since the roster was read; nothing was changed: import the roster "
           "again"),
        [&] {
            if (Status s = writeRoster(plan.roster, imported, replace); !s) return s;
            Status remembered = writeAlignedCopy(plan.roster, {imported.bytes, plan.classSizes});
            // The old roster goes back with the old scores, so that the two still agree.
            if (!remembered && plan.rosterBytes)
                (void)writeFileAtomically(plan.roster, *plan.rosterBytes);
            return remembered;
        });
}

}  // namespace jitsu::yearfiles
