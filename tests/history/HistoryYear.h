// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "Combinations.h"
#include "Fixtures.h"
#include "Roster.h"
#include "Statistics.h"
#include "YearResults.h"

// A hand-made year: one class "1" of two students, subjects S1 and S2, three tests of which
// the 1st and the 3rd have results as the statistics leave a test nobody sat (no score, total,
// deviation or rank); the 3rd computed 英国.
struct HistoryYear {
    HistoryYear() : grade(makeGrade(1, 2, 2, 3)), roster(std::make_unique<jitsu::GradeRoster>()) {
        roster->studentNames[0].assign(sj("青木"));
        roster->studentNames[1].assign(sj("井上"));
        jitsu::classRanges(grade, *roster);
        const auto nobody = std::make_unique<jitsu::TestScores>();
        for (int test : {1, 3}) {
            auto results = std::make_unique<jitsu::GradeResults>();
            jitsu::computeGradeResults(grade, *nobody, {}, *results);
            year.tests.push_back({test, std::move(results)});
        }
        third().comboFlags[jitsu::Eikoku] = 1;
    }
    jitsu::GradeResults& first() { return *year.tests[0].results; }
    jitsu::GradeResults& third() { return *year.tests[1].results; }

    jitsu::GradeData grade;
    std::unique_ptr<jitsu::GradeRoster> roster;
    jitsu::history::YearResults year;
};
