#include "PrintCheckLists.h"

#include <memory>

#include "MessageTexts.h"
#include "Paths.h"

namespace jitsu {

Status printCheckLists(const BasicData& data, const CheckListRequest& request, Services& services) {
    const GradeData& grade = data.grades[request.grade];
    const int gradeNumber = request.grade + 1;

    auto roster = std::make_unique<GradeRoster>();
    if (Status s = readRoster(
            rosterPath(services.dir, data.rosterTag.view(), request.year, gradeNumber), *roster);
        !s) {
        services.messages.alert(text::kRosterMissingPrint, text::kConfirm, MessageIcon::Stop);
        return s;
    }
    classRanges(grade, *roster);

    // Unlike score entry, a test without a score file has nothing to check.
    auto scores = std::make_unique<TestScores>();
    const auto scoreFile = scorePath(services.dir, request.year, request.test, gradeNumber);
    if (!readScores(scoreFile, grade, *scores)) {
        services.messages.alert(text::kScoresMissingPrint, text::kConfirm, MessageIcon::Stop);
        return Status::error(scoreFile.string() + ": cannot be opened");
    }

    Printer& printer = services.printer;
    setPaper(printer, 24, 1);
    if (!printer.printDialog(false)) return Status::ok();

    if (Status s = printer.beginDoc(); !s) return s;
    for (int c = 0; c < grade.classes(); ++c) {
        if (c >= static_cast<int>(request.checkedClasses.size()) || !request.checkedClasses[c])
            continue;
        for (int copy = 0; copy < 2; ++copy) {
            drawCheckListPage(printer.canvas(), data, request, *roster, *scores, c);
            printer.newPage();
        }
    }
    return printer.endDoc();
}

}  // namespace jitsu
