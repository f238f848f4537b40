// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <memory>
#include <sstream>

#include "Clock.h"
#include "Combinations.h"
#include "FakeMessages.h"
#include "Paths.h"
#include "ResultsFile.h"
#include "Services.h"
#include "Statistics.h"
#include "SummaryRun.h"
#include "TestYear.h"
#include "TracePrinter.h"

// A trace printer whose print dialog answers from a queue (print all pages when it runs out).
class ScriptedPrinter : public jitsu::TracePrinter {
public:
    using TracePrinter::TracePrinter;
    std::deque<bool> answers;  // false: cancel

    std::optional<jitsu::PageRange> printDialog(bool pageRange) override {
        TracePrinter::printDialog(pageRange);
        const bool print = answers.empty() || answers.front();
        if (!answers.empty()) answers.pop_front();
        return print ? std::optional(jitsu::PageRange{}) : std::nullopt;
    }
};

// The test year with the results file of test 1 of every grade, and fake services.
struct SummaryYear : TestYear {
    explicit SummaryYear(const jitsu::DemoYearSize& size = {{2, 2, 2}, 3, 5}) : TestYear(size) {
        for (int g = 1; g <= jitsu::kGrades; ++g) {
            const jitsu::GradeData& grade = data.grades[g - 1];
            auto scores = std::make_unique<jitsu::TestScores>();
            EXPECT_TRUE(
                jitsu::readScores(jitsu::scorePath(path(), data.year, 1, g), grade, *scores));
            auto results = std::make_unique<jitsu::GradeResults>();
            jitsu::computeGradeResults(grade, *scores, jitsu::defaultCombinations(1), *results);
            EXPECT_TRUE(jitsu::writeResultsFile(jitsu::resultsPath(path(), data.year, 1, g), grade,
                                                *results));
        }
    }

    jitsu::Status run(std::array<bool, jitsu::kGrades> grades) {
        request.year = data.year;
        request.grades = grades;
        return jitsu::summaryprint::runSummary(services, data, request);
    }
    int count(const std::string& line) const {
        std::istringstream in(out.str());
        int n = 0;
        for (std::string l; std::getline(in, l);) n += l == line;
        return n;
    }

    jitsu::summaryprint::SummaryRequest request;
    FakeMessages messages;
    std::ostringstream out;
    ScriptedPrinter printer{out};
    jitsu::FixedClock clock{{2026, 3, 1}};
    jitsu::Services services{path(), messages, printer, clock};
};
