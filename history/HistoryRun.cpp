// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryRun.h"

#include <memory>

#include "DamagedFile.h"
#include "FileSystem.h"
#include "HistoryPage.h"
#include "MessageTexts.h"
#include "NumberList.h"
#include "Paths.h"
#include "Reason.h"
#include "ResultsAge.h"
#include "Roster.h"
#include "TrendPage.h"

namespace jitsu::history {

namespace {

// The grade's results files of the year, or the failure that ends the run (told in a box, or
// left to the caller for a file left out).
Status readYear(const Services& services, const BasicData& data, const HistoryRequest& request,
                YearResults& year) {
    const GradeData& grade = data.grades[request.grade - 1];
    if (request.askWhenOutOfDate)
        for (int t = 1; t <= grade.tests(); ++t)
            if (!confirmFreshResults(services.dir, services.messages, grade, request.year, t,
                                     request.grade))
                return Status::error(
                    utf8FromPath(resultsPath(services.dir, request.year, t, request.grade)) +
                    ": out of date");
    year = readYearResults(services.dir, data, request.year, request.grade - 1, services.messages);
    if (request.stopAtLeftOut && !year.leftOut.empty()) return Status::error(year.leftOut.front());
    if (year.tests.empty()) {
        services.messages.inform(kNoResultsText, text::kConfirm, MessageIcon::Exclamation);
        return Status::error(because(N_("nothing to print: grade {1} of {2} has no results file"),
                                     request.grade, request.year));
    }
    return Status::ok();
}

// A printer's failure, told in a box.
Status told(const Services& services, Status printed) {
    if (!printed)
        services.messages.alert(text::kPrintFailed, text::kConfirm, MessageIcon::Stop,
                                printed.reason());
    return printed;
}

}  // namespace

Status runHistory(const Services& services, const BasicData& data, const HistoryRequest& request) {
    Messages& messages = services.messages;
    const GradeData& grade = data.grades[request.grade - 1];
    YearResults year;
    if (Status read = readYear(services, data, request, year); !read) return read;
    auto roster = std::make_unique<GradeRoster>();
    const auto rosterFile =
        rosterPath(services.dir, data.rosterTag.view().bytes(), request.year, request.grade);
    FileFindings health;
    if (Status read = readRoster(rosterFile, *roster, &health, &grade); !read) {
        messages.alert(text::kRosterMissingPrint, text::kConfirm, MessageIcon::Stop, read.reason());
        return read;
    }
    if (!goOnDespiteDamage(rosterFile, health, messages))
        return Status::error(findingOf(rosterFile, health));
    classRanges(grade, *roster);
    if (!goOnDespiteRosterLimit(grade, messages))
        return Status::error(utf8FromPath(rosterFile) + ": the head counts add up to more than " +
                             std::to_string(kRosterEntries) + " students");
    const HistoryJob job{grade, data.testName.utf8(), *roster, year,
                         chooseStudents(grade, request.classes, request.students)};
    if (job.students.empty())
        return Status::error(Reason(N_("nothing to print: no student chosen")));
    return told(services, printHistory(job, services.printer, messages));
}

Status runTrend(const Services& services, const BasicData& data, const HistoryRequest& request) {
    YearResults year;
    if (Status read = readYear(services, data, request, year); !read) return read;
    const TrendJob job{data.grades[request.grade - 1], request.grade, data.testName.utf8(), year};
    return told(services, printTrend(job, services.printer, services.messages));
}

void printFromFolder(const Services& services, int grade, std::string_view classText,
                     HistoryPrint what) {
    Messages& messages = services.messages;
    auto data = std::make_unique<BasicData>();
    const auto basicPath = basicDataPath(services.dir);
    FileFindings basicHealth;
    if (Status read = readBasicData(basicPath, *data, &basicHealth); !read)
        return messages.alert(text::kBasicDataMissing, text::kConfirm, MessageIcon::Stop,
                              read.reason());
    if (!goOnDespiteDamage(basicPath, basicHealth, messages)) return;
    HistoryRequest request;
    request.grade = grade;
    request.year = data->year;
    const int classCount = data->grades[grade - 1].classes();
    const auto classes = classesNamed(classText, classCount);
    if (!classes && what == HistoryPrint::Sheets)
        return messages.inform(classListHint(classCount), text::kConfirm, MessageIcon::Exclamation);
    if (classes) request.classes = *classes;
    // Every failure has been told in its box.
    (void)(what == HistoryPrint::Trend ? runTrend(services, *data, request)
                                       : runHistory(services, *data, request));
}

}  // namespace jitsu::history
