// SPDX-License-Identifier: GPL-3.0-or-later
#include "RosterAlignment.h"

#include <memory>

#include "AlignedCopy.h"
#include "FileSystem.h"
#include "Limits.h"
#include "Paths.h"
#include "TextFile.h"

namespace jitsu::yearfiles {

namespace fs = std::filesystem;

namespace {

int headCountSum(const GradeData& grade) {
    int sum = 0;
    for (int k = 0; k < grade.classes(); ++k) sum += static_cast<int>(grade.headCounts[k]);
    return sum;
}

// The question's text when a hand edit changed the number of the roster's lines without the
// head counts changed with it (they add up to the lines of the copy still, as placed): carried
// by them, the students after the change would land on other classes' slots, and the last ones
// on none. "" otherwise.
std::string headCountsBehindEdit(const fs::path& roster, const GradeData& grade, int g) {
    std::string present;
    AlignedCopy copy;
    if (!readFileBytes(roster, kMaxRosterBytes, present) || !readAlignedCopy(roster, copy))
        return "";
    auto placed = std::make_unique<GradeData>(grade);
    placeAsCopied(copy, *placed);
    const int lines = rosterLines(present);
    if (lines == headCountSum(grade) || rosterLines(copy.rosterBytes) != headCountSum(*placed))
        return "";
    return std::to_string(g) + "年の名簿 " + utf8FromPath(roster.filename()) + " は " +
           std::to_string(lines) + " 人に書き換えられましたが、基礎データの人数は合わせて " +
           std::to_string(headCountSum(grade)) +
           " 人です。\n基礎データで組の人数を直すまで、点数は前の名簿のままにします。";
}

}  // namespace

void rememberClassSizes(const fs::path& dir, const BasicData& data, int grade) {
    const fs::path roster = rosterPath(dir, data.rosterTag.view().bytes(), data.year, grade);
    const std::vector<unsigned> heads = headCountsOf(data.grades[grade - 1]);
    AlignedCopy copy;
    if (!readAlignedCopy(roster, copy) || copy.classSizes == heads) return;
    if (!copy.classSizes.empty()) {
        // Sizes other than the head counts wait for the roster that goes with the new counts,
        // unless the grade has no scores placed by them.
        RosterReplacement plan;
        if (!planRosterEdit(dir, data, data.year, grade, plan) || carriesScores(plan)) return;
    }
    // A copy of an older release: its scores were placed by the head counts of today.
    (void)writeAlignedCopy(roster, {copy.rosterBytes, heads});
}

RosterAlignment rosterAlignment(const fs::path& roster) {
    std::string present;
    if (!readFileBytes(roster, kMaxRosterBytes, present)) return RosterAlignment::Aligned;
    AlignedCopy copy;
    if (!readAlignedCopy(roster, copy)) return RosterAlignment::Unremembered;
    return present == copy.rosterBytes ? RosterAlignment::Aligned : RosterAlignment::Edited;
}

Status planRosterEdit(const fs::path& dir, const BasicData& data, unsigned year, int grade,
                      RosterReplacement& plan) {
    plan = {};
    plan.roster = rosterPath(dir, data.rosterTag.view().bytes(), year, grade);
    const GradeData& g = data.grades[grade - 1];
    plan.classSizes = headCountsOf(g);
    std::string present;
    if (Status read = readFileBytes(plan.roster, kMaxRosterBytes, present); !read) return read;
    plan.rosterBytes = present;
    AlignedCopy copy;
    if (!readAlignedCopy(plan.roster, copy)) return Status::ok();
    auto placed = std::make_unique<GradeData>(g);
    placeAsCopied(copy, *placed);
    auto before = std::make_unique<GradeRoster>();
    auto after = std::make_unique<GradeRoster>();
    parseRoster(fromCrLf(copy.rosterBytes), *before);  // as readRoster reads a file
    classRanges(*placed, *before);
    parseRoster(fromCrLf(present), *after);
    classRanges(g, *after);
    return planScoreCarry(dir, g, year, grade, *before, *after, plan);
}

Status alignScoresToRoster(const RosterReplacement& plan) {
    return rewriteAllOrNothing(
        plan.scoreFiles, N_("{1}: saved again since the roster was read; nothing was changed"),
        [&] {
            std::string now;
            if (Status read = readFileBytes(plan.roster, kMaxRosterBytes, now); !read) return read;
            if (now != plan.rosterBytes)
                return Status::error(because(
                    N_("{1}: changed again since it was read; nothing was changed"), plan.roster));
            return writeAlignedCopy(plan.roster, {now, plan.classSizes});
        });
}

std::vector<int> alignScoresAtStartUp(const fs::path& dir, const BasicData& data,
                                      Messages& messages) {
    std::vector<int> left;
    for (int g = 1; g <= kGrades; ++g) {
        const GradeData& grade = data.grades[g - 1];
        if (grade.classes() == 0) continue;
        const fs::path roster = rosterPath(dir, data.rosterTag.view().bytes(), data.year, g);
        const RosterAlignment state = rosterAlignment(roster);
        if (state == RosterAlignment::Aligned) {
            rememberClassSizes(dir, data, g);
            continue;
        }
        if (state == RosterAlignment::Edited) {
            if (const std::string behind = headCountsBehindEdit(roster, grade, g);
                !behind.empty()) {
                messages.alert(behind, "確認", MessageIcon::Exclamation);
                left.push_back(g);
                continue;
            }
        }
        RosterReplacement plan;
        if (Status planned = planRosterEdit(dir, data, data.year, g, plan); !planned) {
            // The files' own readers say what is wrong when they are opened.
            if (state == RosterAlignment::Edited) left.push_back(g);
            continue;
        }
        if (!carriesScores(plan)) {
            (void)alignScoresToRoster(plan);  // asked again next time when it fails
            continue;
        }
        const std::string question =
            std::to_string(g) + "年の名簿 " + utf8FromPath(plan.roster.filename()) +
            " は、点数ファイルが書かれた後で書き換えられています。\n"
            "点数ファイルの得点を、書き換えられた名簿の生徒について移しますか？";
        if (messages.ask(question, "確認", MessageIcon::Question, MessageButtons::YesNo,
                         MessageAnswer::No,
                         replacementSummary(plan, grade)) != MessageAnswer::Yes) {
            left.push_back(g);
            continue;
        }
        if (Status carried = alignScoresToRoster(plan); !carried) {
            messages.alert("点数を移せませんでした。", "確認", MessageIcon::Stop, carried.reason());
            left.push_back(g);
        }
    }
    return left;
}

std::string misalignedScoresWarning(const std::vector<int>& grades) {
    std::string text;
    for (int g : grades) text += (text.empty() ? "" : "・") + std::to_string(g) + "年";
    if (text.empty()) return text;
    return text +
           "の名簿は書き換えられましたが、点数は前の名簿のままです。"
           "得点が別の生徒に表示されることがあります。";
}

}  // namespace jitsu::yearfiles
