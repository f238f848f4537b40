// SPDX-License-Identifier: GPL-3.0-or-later
#include "GradeFiles.h"

#include "DamagedFile.h"
#include "MessageTexts.h"
#include "Paths.h"

namespace jitsu {

Status readGradeFiles(const std::filesystem::path& dir, const BasicData& data, unsigned year,
                      int test, int grade, GradeFiles& files, Messages& messages) {
    const GradeData& gradeData = data.grades[grade];
    const int gradeNumber = grade + 1;

    const auto roster = rosterPath(dir, data.rosterTag.view().bytes(), year, gradeNumber);
    // Asked first: past the roster's size, the roster itself cannot match the head counts.
    if (!goOnDespiteRosterLimit(gradeData, messages))
        return Status::error(
            because(N_("{1}: the head counts add up to more than the {2} students a roster names"),
                    roster, kRosterEntries));
    if (Status read = readRoster(roster, files.roster, &files.rosterHealth, &gradeData); !read) {
        messages.alert(text::kRosterMissingPrint, text::kConfirm, MessageIcon::Stop, read.reason());
        return read;
    }
    if (!goOnDespiteDamage(roster, files.rosterHealth, messages))
        return Status::error(findingOf(roster, files.rosterHealth));
    classRanges(gradeData, files.roster);

    // Unlike score entry, which starts an empty test, printing has nothing to work from.
    const auto scoreFile = scorePath(dir, year, test, gradeNumber);
    if (Status read = readScores(scoreFile, gradeData, files.scores, &files.scoreHealth, test);
        !read) {
        messages.alert(text::kScoresMissingPrint, text::kConfirm, MessageIcon::Stop, read.reason());
        return read;
    }
    if (!goOnDespiteDamage(scoreFile, files.scoreHealth, messages))
        return Status::error(findingOf(scoreFile, files.scoreHealth));
    return Status::ok();
}

}  // namespace jitsu
