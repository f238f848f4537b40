#pragma once

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>

#include "BasicData.h"
#include "Fixtures.h"
#include "GradeResults.h"
#include "Roster.h"
#include "SummaryGrade.h"
#include "Trace.h"
#include "TracePrinter.h"

// One grade of a school year with its roster and results, filled by hand: every slot starts
// without a score, total, deviation score or rank, every figure at 0 examinees, no combination
// computed. Student numbers are "c0s" (class and slot, "1103" is class 1, slot 3, both from 1);
// names are 生徒 and the number.
struct GradeFixture {
    jitsu::BasicData data;
    std::unique_ptr<jitsu::GradeRoster> roster = std::make_unique<jitsu::GradeRoster>();
    std::unique_ptr<jitsu::GradeResults> results = std::make_unique<jitsu::GradeResults>();
    int grade = 1;
    int test = 1;
    jitsu::PrintScale scale;

    GradeFixture(int classes, unsigned heads, int subjects, int gradeNumber = 1)
        : grade(gradeNumber) {
        data.testName.assign(sj("実力テスト"));
        data.grades[grade - 1] = makeGrade(classes, heads, subjects);
        for (int k = 0; k < classes; ++k) gradeData().classNames[k].assign(sj(kClassNames[k % 6]));
        using namespace jitsu;
        GradeResults& r = *results;
        std::fill_n(&r.scores[0][0][0], kMaxSubjects * kMaxClasses * kSlots, -1);
        std::fill_n(&r.subjectDeviations[0][0][0], kMaxSubjects * kMaxClasses * kSlots, -1.0f);
        std::fill_n(&r.subjectRanks[0][0][0], kMaxSubjects * kMaxClasses * kSlots, -1);
        std::fill_n(&r.comboTotals[0][0][0], kCombinations * kMaxClasses * kSlots, -1);
        std::fill_n(&r.comboDeviations[0][0][0], kCombinations * kMaxClasses * kSlots, -1.0f);
        std::fill_n(&r.comboRanks[0][0][0], kCombinations * kMaxClasses * kSlots, -1);
        std::fill_n(r.subjectExaminees, kMaxSubjects, 0);
        std::fill_n(r.subjectAverages, kMaxSubjects, -1.0f);
        std::fill_n(r.comboExaminees, kCombinations, 0);
        std::fill_n(r.comboAverages, kCombinations, -1.0f);
        std::fill_n(r.comboFlags, kCombinations, 0);
        fillRoster();
    }

    jitsu::GradeData& gradeData() { return data.grades[grade - 1]; }

    // After head counts change.
    void fillRoster() {
        *roster = jitsu::GradeRoster{};
        int entry = 0;
        for (int k = 0; k < gradeData().classes(); ++k)
            for (unsigned s = 0; s < gradeData().headCounts[k] && entry < jitsu::kRosterEntries;
                 ++s, ++entry) {
                roster->studentNumbers[entry].assign(number(k, static_cast<int>(s)));
                roster->studentNames[entry].assign(sj("生徒") + number(k, static_cast<int>(s)));
            }
        jitsu::classRanges(gradeData(), *roster);
    }

    static std::string number(int cls, int slot) {
        return std::to_string((cls + 1) * 100 + slot + 1);
    }

    void setScore(int subject, int cls, int slot, int score, float deviation, int rank) {
        results->scores[subject][cls][slot] = score;
        results->subjectDeviations[subject][cls][slot] = deviation;
        results->subjectRanks[subject][cls][slot] = rank;
    }
    void setTotal(int combo, int cls, int slot, int total, float deviation, int rank) {
        results->comboTotals[combo][cls][slot] = total;
        results->comboDeviations[combo][cls][slot] = deviation;
        results->comboRanks[combo][cls][slot] = rank;
    }

    jitsu::summaryprint::SummaryGrade job() const {
        return {data, grade, test, *roster, *results, scale};
    }

    // The trace of one list (or anything drawn through the printer) inside an open job.
    template <typename Print>
    Trace trace(Print print) const {
        std::ostringstream out;
        jitsu::TracePrinter printer(out);
        (void)printer.beginDoc();
        print(printer, job());
        raw = out.str();
        return parseTrace(raw);
    }

    mutable std::string raw;

private:
    static constexpr const char* kClassNames[] = {"１", "２", "３", "４", "５", "６"};
};
