// SPDX-License-Identifier: GPL-3.0-or-later
#include "GradeFiles.h"

#include "DamagedFile.h"
#include "MessageTexts.h"
#include "Paths.h"

namespace jitsu {

Status readGradeRoster(const std::filesystem::path& dir, const BasicData& data, unsigned year,
                       int grade, GradeRoster& roster, FileFindings& health, Messages& messages) {
    const GradeData& gradeData = data.grades[grade];
    const auto path = rosterPath(dir, data.rosterTag.view().bytes(), year, grade + 1);
    // Asked first: past the roster's size, the roster itself cannot match the head counts.
    if (!goOnDespiteRosterLimit(gradeData, messages))
        return Status::error(
            because(N_("{1}: the head counts add up to more than the {2} students a roster names"),
                    path, kRosterEntries));
    if (Status read = readRoster(path, roster, &health, &gradeData); !read) {
        messages.alert(text::kRosterMissingPrint, text::kConfirm, MessageIcon::Stop, read.reason());
        return read;
    }
    if (!goOnDespiteDamage(path, health, messages)) return Status::error(findingOf(path, health));
    classRanges(gradeData, roster);
    return Status::ok();
}

Status readGradeFiles(const std::filesystem::path& dir, const BasicData& data, unsigned year,
                      int test, int grade, GradeFiles& files, Messages& messages) {
    const GradeData& gradeData = data.grades[grade];
    const int gradeNumber = grade + 1;
    if (Status read =
            readGradeRoster(dir, data, year, grade, files.roster, files.rosterHealth, messages);
        !read)
        return read;

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
