// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sstream>
#include <string>

#include "Clock.h"
#include "FakeMessages.h"
#include "PrintCheckLists.h"
#include "Services.h"
#include "TestYear.h"
#include "TracePrinter.h"

// The printing of one grade of the shared test year, traced.
struct CheckListRun {
    explicit CheckListRun(const jitsu::DemoYearSize& size = {{2, 2, 2}, 3, 5}) : year(size) {
        request.year = year.data.year;
        request.yearText = "  2026年度";
        request.testText = "  第１回";
        request.monthText = "3";
        request.dayText = "17";
        request.checkedClasses.assign(jitsu::kMaxClasses, true);
    }

    jitsu::Status print() { return jitsu::runCheckLists(services, year.data, request); }
    int count(const std::string& prefix) const {
        std::istringstream in(trace.str());
        int n = 0;
        for (std::string line; std::getline(in, line);) n += line.rfind(prefix, 0) == 0;
        return n;
    }
    std::filesystem::path roster() const {
        return jitsu::rosterPath(year.path(), year.data.rosterTag.view().bytes(), year.data.year,
                                 request.grade + 1);
    }

    TestYear year;
    jitsu::CheckListRequest request;
    FakeMessages messages;
    std::ostringstream trace;
    jitsu::TracePrinter printer{trace};
    jitsu::FixedClock clock{{2026, 2, 15}};
    jitsu::Services services{year.path(), messages, printer, clock};
};
