// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintCheckLists.h"

#include <memory>

#include "GradeFiles.h"
#include "MessageTexts.h"
#include "PageFit.h"

namespace jitsu {

Status runCheckLists(const Services& services, const BasicData& data,
                     const CheckListRequest& request) {
    const GradeData& grade = data.grades[request.grade];
    auto files = std::make_unique<GradeFiles>();
    if (Status read = readGradeFiles(services.dir, data, request.year, request.test, request.grade,
                                     *files, services.messages);
        !read)
        return read;

    Printer& printer = services.printer;
    printer.setPageSetup(PaperSize::B4, Orientation::Portrait);
    printer.setDialogGrade(request.grade);
    if (!printer.printDialog(false)) return Status::ok();
    const DrawPages draw = [&](Printer& on, int percent) {
        CheckListRequest scaled = request;
        scaled.magnification = percent;
        for (int c = 0; c < grade.classes(); ++c) {
            if (c >= static_cast<int>(request.checkedClasses.size()) || !request.checkedClasses[c])
                continue;
            for (int copy = 0; copy < 2; ++copy) {
                drawCheckListPage(on.canvas(), data, scaled, files->roster, files->scores, c);
                on.newPage();
            }
        }
    };
    if (!confirmPageFit(printer, services.messages, draw, request.magnification,
                        kMinCheckListPercent))
        return Status::ok();

    Status printed = printer.beginDoc();
    if (printed) {
        draw(printer, request.magnification);
        printed = printer.endDoc();
    }
    if (!printed)
        services.messages.alert(text::kPrintFailed, text::kConfirm, MessageIcon::Exclamation,
                                printed.reason());
    return printed;
}

}  // namespace jitsu
