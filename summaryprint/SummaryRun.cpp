// SPDX-License-Identifier: GPL-3.0-or-later
#include "SummaryRun.h"

#include <filesystem>
#include <memory>
#include <string>

#include "ClassList.h"
#include "DamagedFile.h"
#include "FileSystem.h"
#include "Frequencies.h"
#include "MessageTexts.h"
#include "PageFit.h"
#include "Paths.h"
#include "ResultsAge.h"
#include "ResultsFile.h"
#include "Roster.h"
#include "SummaryGrade.h"
#include "TopScorers.h"

namespace jitsu::summaryprint {

namespace {

// Why a results file could not be read: most often reportcard has not saved it yet.
std::string resultsFileDetail(const std::filesystem::path& file, const Status& read) {
    if (read.isMissing())
        return trFormat(text::kResultsFileMissing, std::vector{utf8FromPath(file.filename())});
    return read.reason();
}

}  // namespace

Status runSummary(const Services& services, const BasicData& data, const SummaryRequest& request) {
    auto roster = std::make_unique<GradeRoster>();
    auto results = std::make_unique<GradeResults>();
    Printer& printer = services.printer;
    for (int g = 1; g <= kGrades; ++g) {
        if (!request.grades[g - 1]) continue;
        const GradeData& grade = data.grades[g - 1];

        *roster = GradeRoster{};
        FileFindings rosterHealth, resultsHealth;
        const auto rosterFile =
            rosterPath(services.dir, data.rosterTag.view().bytes(), request.year, g);
        if (Status read = readRoster(rosterFile, *roster, &rosterHealth, &grade); !read) {
            services.messages.alert(text::kRosterMissingPrint, text::kConfirm, MessageIcon::Stop,
                                    read.reason());
            return read;
        }
        classRanges(grade, *roster);
        const auto resultsFile = resultsPath(services.dir, request.year, request.test, g);
        if (request.askWhenOutOfDate && !confirmFreshResults(services.dir, services.messages, grade,
                                                             request.year, request.test, g)) {
            return Status::error(utf8FromPath(resultsFile) + ": out of date");
        }
        if (Status read = readResultsFile(resultsFile, grade, *results, &resultsHealth); !read) {
            // The box's detail is the run's reason, so that it is said once.
            const std::string detail = resultsFileDetail(resultsFile, read);
            services.messages.alert(text::kResultsNotRead, text::kConfirm, MessageIcon::Exclamation,
                                    detail);
            const Reason reason = Reason::verbatim(detail);
            return read.isMissing() ? Status::missing(reason) : Status::error(reason);
        }
        for (const auto& [file, health] :
             {std::pair{&rosterFile, &rosterHealth}, std::pair{&resultsFile, &resultsHealth}})
            if (!goOnDespiteDamage(*file, *health, services.messages))
                return Status::error(findingOf(*file, *health));
        if (!goOnDespiteRosterLimit(grade, services.messages))
            return Status::error(utf8FromPath(rosterFile) +
                                 ": the head counts add up to more than " +
                                 std::to_string(kRosterEntries) + " students");

        printer.setPageSetup(PaperSize::A4, Orientation::Portrait);
        printer.setDialogGrade(g - 1);
        if (!printer.printDialog(false)) continue;
        const DrawPages draw = [&](Printer& on, int percent) {
            SummaryRequest scaled = request;
            scaled.scale.layoutPercent = percent;
            const SummaryGrade job{data, g, request.test, *roster, *results, scaled.scale};
            if (request.classLists) printClassLists(on, job);
            if (request.topScorers) printTopScorers(on, job);
            if (request.frequencies) printFrequencies(on, job);
        };
        if (!confirmPageFit(printer, services.messages, draw, request.scale.layoutPercent,
                            kMinLayoutPercent))
            continue;
        Status status = printer.beginDoc();
        if (status) {
            draw(printer, request.scale.layoutPercent);
            status = printer.endDoc();
        }
        if (!status) {
            services.messages.alert(text::kPrintFailed, text::kConfirm, MessageIcon::Exclamation,
                                    status.reason());
            return status;
        }
    }
    return Status::ok();
}

}  // namespace jitsu::summaryprint
