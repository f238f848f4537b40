#include "GradeFiles.h"

#include "MessageTexts.h"
#include "Paths.h"

namespace jitsu {

Status readGradeFiles(const std::filesystem::path& dir, const BasicData& data, unsigned year,
                      int test, int grade, GradeFiles& files, Messages& messages) {
    const GradeData& gradeData = data.grades[grade];
    const int gradeNumber = grade + 1;

    if (Status read =
            readRoster(rosterPath(dir, data.rosterTag.view(), year, gradeNumber), files.roster);
        !read) {
        messages.alert(text::kRosterMissingPrint, text::kConfirm, MessageIcon::Stop, read.reason());
        return read;
    }
    classRanges(gradeData, files.roster);

    // Unlike score entry, which starts an empty test, printing has nothing to work from.
    const auto scoreFile = scorePath(dir, year, test, gradeNumber);
    if (!readScores(scoreFile, gradeData, files.scores)) {
        Status failed = Status::error(scoreFile.string() + ": cannot be opened");
        messages.alert(text::kScoresMissingPrint, text::kConfirm, MessageIcon::Stop, failed.reason());
        return failed;
    }
    return Status::ok();
}

}  // namespace jitsu
