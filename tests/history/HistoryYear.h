#pragma once

#include <algorithm>
#include <memory>

#include "Combinations.h"
#include "Fixtures.h"
#include "Roster.h"
#include "Statistics.h"
#include "YearResults.h"

// Results as the statistics leave a test nobody sat: no score, total, deviation or rank.
inline void noValues(jitsu::GradeResults& r) {
    jitsu::resetGradeResults(r);
    auto fill = [](auto& array, auto value) {
        std::fill_n(&array[0][0][0], sizeof array / sizeof array[0][0][0], value);
    };
    fill(r.subjectDeviations, jitsu::kNoValue);
    fill(r.subjectRanks, -1);
    fill(r.comboTotals, -1);
    fill(r.comboDeviations, jitsu::kNoValue);
    fill(r.comboRanks, -1);
}

// A hand-made year: one class "1" of two students, subjects S1 and S2, three tests of which
// the 1st and the 3rd have results (nothing filled in); the 3rd computed 英国.
struct HistoryYear {
    HistoryYear() : grade(makeGrade(1, 2, 2, 3)), roster(std::make_unique<jitsu::GradeRoster>()) {
        roster->studentNames[0].assign(sj("青木"));
        roster->studentNames[1].assign(sj("井上"));
        jitsu::classRanges(grade, *roster);
        for (int test : {1, 3}) {
            auto results = std::make_unique<jitsu::GradeResults>();
            noValues(*results);
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
