// SPDX-License-Identifier: GPL-3.0-or-later
#include "GradeRun.h"

#include <memory>

#include "GradeFiles.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "ReportPage.h"
#include "ResultsFile.h"
#include "Statistics.h"

namespace jitsu {

Status gradeRun(const BasicData& data, const GradeRunRequest& request, Services& services) {
    const GradeData& grade = data.grades[request.grade];
    auto files = std::make_unique<GradeFiles>();
    if (Status read = readGradeFiles(services.dir, data, request.year, request.test, request.grade,
                                     *files, services.messages);
        !read)
        return read;

    auto results = std::make_unique<GradeResults>();
    computeGradeResults(grade, files->scores, request.combinations, *results);

    Status saved = Status::ok();
    if (request.save) {
        saved = writeResultsFile(
            resultsPath(services.dir, request.year, request.test, request.grade + 1), grade,
            *results);
        if (!saved)
            services.messages.alert(text::kResultsNotSaved, text::kConfirm,
                                    MessageIcon::Exclamation, saved.reason());
    }

    const ReportJob job{
        grade,          data.schoolName.view(), data.testName.view(),  files->roster,
        *results,       request.testLabel,      request.tickedClasses, request.scale,
        request.copies, request.print};
    services.printer.setDialogGrade(request.grade);
    Status printed = printReports(job, services.printer, services.messages);
    if (!printed)
        services.messages.alert(text::kPrintFailed, text::kConfirm, MessageIcon::Exclamation,
                                printed.reason());
    return saved ? printed : saved;
}

}  // namespace jitsu
