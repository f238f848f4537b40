#include "GradeFiles.h"

#include "MessageTexts.h"
#include "Paths.h"

namespace jitsu {

Status readGradeFiles(const std::filesystem::path& dir, const BasicData& data, unsigned year,
                      int test, int grade, GradeFiles& files, Messages& messages) {
    const GradeData& gradeData = data.grades[grade];
    const int gradeNumber = grade + 1;

    if (Status read = readRoster(rosterPath(dir, data.rosterTag.view(), year, gradeNumber),
                                 files.roster, &files.rosterHealth);
        !read) {
        messages.alert(text::kRosterMissingPrint, text::kConfirm, MessageIcon::Stop);
        return read;
    }
    classRanges(gradeData, files.roster);

    // Unlike score entry, which starts an empty test, printing has nothing to work from.
    const auto scoreFile = scorePath(dir, year, test, gradeNumber);
    if (Status read = readScores(scoreFile, gradeData, files.scores, &files.scoreHealth); !read) {
        messages.alert(text::kScoresMissingPrint, text::kConfirm, MessageIcon::Stop);
        return read;
    }
    return Status::ok();
}

}  // namespace jitsu
