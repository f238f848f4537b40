// SPDX-License-Identifier: GPL-3.0-or-later
#include "RosterAlignment.h"

#include <memory>

#include "AtomicWrite.h"
#include "Limits.h"
#include "Paths.h"
#include "TextFile.h"

namespace jitsu::yearfiles {

namespace fs = std::filesystem;

RosterAlignment rosterAlignment(const fs::path& roster) {
    std::string present, aligned;
    if (!readFileBytes(roster, kMaxRosterBytes, present)) return RosterAlignment::Aligned;
    if (!readFileBytes(alignedRosterPath(roster), kMaxRosterBytes, aligned))
        return RosterAlignment::Unremembered;
    return present == aligned ? RosterAlignment::Aligned : RosterAlignment::Edited;
}

Status planRosterEdit(const fs::path& dir, const BasicData& data, unsigned year, int grade,
                      RosterReplacement& plan) {
    plan = {};
    plan.roster = rosterPath(dir, data.rosterTag.view(), year, grade);
    std::string present;
    if (Status read = readFileBytes(plan.roster, kMaxRosterBytes, present); !read) return read;
    plan.rosterBytes = present;
    auto before = std::make_unique<GradeRoster>();
    auto after = std::make_unique<GradeRoster>();
    if (Status read = readRoster(alignedRosterPath(plan.roster), *before); !read)
        return read.isMissing() ? Status::ok() : read;
    parseRoster(fromCrLf(present), *after);  // as readRoster reads the file
    const GradeData& g = data.grades[grade - 1];
    return planScoreCarry(dir, g, g, year, grade, *before, *after, plan);
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
            return writeFileAtomically(alignedRosterPath(plan.roster), now);
        });
}

std::vector<int> alignScoresAtStartUp(const fs::path& dir, const BasicData& data,
                                      Messages& messages) {
    std::vector<int> left;
    for (int g = 1; g <= kGrades; ++g) {
        const GradeData& grade = data.grades[g - 1];
        if (grade.classes() == 0) continue;
        const RosterAlignment state =
            rosterAlignment(rosterPath(dir, data.rosterTag.view(), data.year, g));
        if (state == RosterAlignment::Aligned) continue;
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
            std::to_string(g) + "年の名簿 " + plan.roster.filename().string() +
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
