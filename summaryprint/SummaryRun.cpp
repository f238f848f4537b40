#include "SummaryRun.h"

#include <memory>

#include "ClassList.h"
#include "DamagedFile.h"
#include "Frequencies.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "ResultsFile.h"
#include "Roster.h"
#include "SummaryGrade.h"
#include "TopScorers.h"

namespace jitsu::summaryprint {

SummaryOutcome runSummary(const Services& services, const BasicData& data,
                          const SummaryRequest& request) {
    SummaryOutcome outcome;
    auto roster = std::make_unique<GradeRoster>();
    auto results = std::make_unique<GradeResults>();
    Printer& printer = services.printer;
    for (int g = 1; g <= kGrades; ++g) {
        if (!request.grades[g - 1]) continue;
        const GradeData& grade = data.grades[g - 1];

        *roster = GradeRoster{};
        FileHealth rosterHealth, resultsHealth;
        const auto rosterFile = rosterPath(services.dir, data.rosterTag.view(), request.year, g);
        if (!readRoster(rosterFile, *roster, &rosterHealth)) {
            services.messages.alert(text::kRosterMissingPrint, text::kConfirm, MessageIcon::Stop);
            outcome.end = SummaryEnd::RosterMissing;
            return outcome;
        }
        classRanges(grade, *roster);
        const auto resultsFile = resultsPath(services.dir, request.year, request.test, g);
        if (!readResultsFile(resultsFile, grade, *results, &resultsHealth)) {
            services.messages.alert(text::kResultsNotRead, text::kConfirm,
                                    MessageIcon::Exclamation);
            outcome.end = SummaryEnd::ResultsMissing;
            return outcome;
        }
        for (const auto& [file, health] : {std::pair{&rosterFile, &rosterHealth},
                                           std::pair{&resultsFile, &resultsHealth}})
            if (!goOnDespiteDamage(*file, *health, services.messages)) {
                outcome.end = SummaryEnd::Stopped;
                outcome.finding = findingOf(*file, *health);
                return outcome;
            }

        setPaper(printer, 14, 1);
        if (!printer.printDialog(false)) continue;
        const SummaryGrade job{data, g, request.test, *roster, *results, request.scale};
        Status status = printer.beginDoc();
        if (status) {
            if (request.classLists) printClassLists(printer, job);
            if (request.topScorers) printTopScorers(printer, job);
            if (request.frequencies) printFrequencies(printer, job);
            status = printer.endDoc();
        }
        if (!status) {
            services.messages.alert(text::kPrintFailed, text::kConfirm, MessageIcon::Exclamation);
            outcome.end = SummaryEnd::PrintFailed;
            return outcome;
        }
        ++outcome.gradesPrinted;
    }
    return outcome;
}

}  // namespace jitsu::summaryprint
