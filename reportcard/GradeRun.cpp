// SPDX-License-Identifier: GPL-3.0-or-later
#include "GradeRun.h"

#include <memory>

#include "DamagedFile.h"
#include "GradeFiles.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "ReportPage.h"
#include "ResultsFile.h"
#include "Statistics.h"

namespace jitsu {

namespace {

// Writes the results file of the request; a failure is announced.
Status saveResults(const Services& services, const GradeData& grade, const ResultsRequest& request,
                   const GradeResults& results) {
    Status saved = writeResultsFile(
        resultsPath(services.dir, request.year, request.test, request.grade + 1), grade, results);
    if (!saved)
        services.messages.alert(text::kResultsNotSaved, text::kConfirm, MessageIcon::Exclamation,
                                saved.reason());
    return saved;
}

}  // namespace

Status runResults(const Services& services, const BasicData& data, const ResultsRequest& request) {
    const GradeData& grade = data.grades[request.grade];
    auto scores = std::make_unique<TestScores>();
    FileFindings health;
    const auto scoreFile = scorePath(services.dir, request.year, request.test, request.grade + 1);
    if (Status read = readScores(scoreFile, grade, *scores, &health, request.test); !read) {
        services.messages.alert(text::kScoresMissingPrint, text::kConfirm, MessageIcon::Stop,
                                read.reason());
        return read;
    }
    if (!goOnDespiteDamage(scoreFile, health, services.messages))
        return Status::error(findingOf(scoreFile, health));
    auto results = std::make_unique<GradeResults>();
    computeGradeResults(grade, *scores, request.combinations, *results);
    return saveResults(services, grade, request, *results);
}

Status runReports(const Services& services, const BasicData& data, const ReportsRequest& request) {
    const ResultsRequest& chosen = request.results;
    const GradeData& grade = data.grades[chosen.grade];
    auto files = std::make_unique<GradeFiles>();
    if (Status read = readGradeFiles(services.dir, data, chosen.year, chosen.test, chosen.grade,
                                     *files, services.messages);
        !read)
        return read;

    auto results = std::make_unique<GradeResults>();
    computeGradeResults(grade, files->scores, chosen.combinations, *results);
    const Status saved =
        request.save ? saveResults(services, grade, chosen, *results) : Status::ok();

    const ReportJob job{
        grade,          data.schoolName.utf8(), data.testName.utf8(),  files->roster,
        *results,       request.testLabel,      request.tickedClasses, request.scale,
        request.copies, request.print};
    services.printer.setDialogGrade(chosen.grade);
    Status printed = printReports(job, services.printer, services.messages);
    if (!printed)
        services.messages.alert(text::kPrintFailed, text::kConfirm, MessageIcon::Exclamation,
                                printed.reason());
    return saved ? printed : saved;
}

}  // namespace jitsu
