// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "Clock.h"
#include "Combinations.h"
#include "FakeMessages.h"
#include "GradeRun.h"
#include "Services.h"
#include "TestYear.h"
#include "TracePrinter.h"

// A grade run on the shared test year: grade 1, test 2 with its default combinations, every
// class ticked, printed into a trace with fake message boxes.
struct ReportRun {
    explicit ReportRun(const jitsu::DemoYearSize& size = {{2, 2, 2}, 3, 5}) : year(size) {
        request.results.year = year.data.year;
        request.results.test = 2;
        request.testLabel = "第２回";
        request.results.combinations = jitsu::defaultCombinations(2);
        request.tickedClasses.fill(true);
    }

    jitsu::Status run() { return jitsu::runReports(services, year.data, request); }

    std::filesystem::path results(int test, int grade) const {
        return jitsu::resultsPath(year.path(), year.data.year, test, grade);
    }
    std::filesystem::path roster(int grade) const {
        return jitsu::rosterPath(year.path(), year.data.rosterTag.view().bytes(), year.data.year,
                                 grade);
    }

    // The trace lines that begin with `prefix` ("page ", "text 2300 " …).
    std::vector<std::string> lines(const std::string& prefix = "") const {
        std::vector<std::string> found;
        std::istringstream in(trace.str());
        for (std::string line; std::getline(in, line);)
            if (line.rfind(prefix, 0) == 0) found.push_back(line);
        return found;
    }
    // The name line of every report printed ("１組ＨＲ   7 番      …"), in order.
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const std::string& line : lines("text "))
            if (line.find("ＨＲ ") != std::string::npos) found.push_back(line);
        return found;
    }

    TestYear year;
    jitsu::ReportsRequest request;
    FakeMessages messages;
    std::ostringstream trace;
    jitsu::TracePrinter printer{trace};
    jitsu::FixedClock clock{{2026, 5, 15}};  // June: test 2
    jitsu::Services services{year.path(), messages, printer, clock};
};
