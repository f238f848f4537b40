#pragma once

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "Combinations.h"
#include "FakeMessages.h"
#include "Fixtures.h"
#include "ReportPage.h"
#include "TracePrinter.h"

// A grade to print reports of: `classes` classes of `heads` students and `subjects` subjects,
// every class ticked, every result "none" (no score, deviation, rank, examinee or average, no
// combination ticked). Student k of the roster is named "生徒<k+1>".
struct ReportCase {
    ReportCase(int classes, unsigned heads, int subjects)
        : grade(makeGrade(classes, heads, subjects)),
          roster(std::make_unique<jitsu::GradeRoster>()),
          results(std::make_unique<jitsu::GradeResults>()) {
        for (int e = 0; e < jitsu::kRosterEntries; ++e)
            roster->studentNames[e].assign(sj("生徒") + std::to_string(e + 1));
        jitsu::classRanges(grade, *roster);
        auto fill = [](auto& array, auto value) {
            std::fill_n(&array[0][0][0], sizeof array / sizeof array[0][0][0], value);
        };
        fill(results->scores, -1);
        fill(results->subjectDeviations, -1.0f);
        fill(results->subjectRanks, -1);
        fill(results->comboTotals, -1);
        fill(results->comboDeviations, -1.0f);
        fill(results->comboRanks, -1);
        std::fill_n(results->subjectExaminees, jitsu::kMaxSubjects, 0);
        std::fill_n(results->subjectAverages, jitsu::kMaxSubjects, -1.0f);
        std::fill_n(results->comboExaminees, jitsu::kCombinations, 0);
        std::fill_n(results->comboAverages, jitsu::kCombinations, -1.0f);
        std::fill_n(results->comboFlags, jitsu::kCombinations, 0);
        ticked.fill(true);
    }

    jitsu::ReportJob job() const {
        return {grade, school, test, *roster, *results, "第２回", ticked, scale, copies, print};
    }

    // Prints through a trace printer and returns the trace, one entry a line.
    std::vector<std::string> run() {
        std::ostringstream out;
        jitsu::TracePrinter printer(out);
        printer.dialogAnswer = dialogAnswer;
        status = jitsu::printReports(job(), printer, messages);
        dialogsShown = printer.dialogsShown();
        std::vector<std::string> lines;
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    jitsu::GradeData grade;
    std::unique_ptr<jitsu::GradeRoster> roster;
    std::unique_ptr<jitsu::GradeResults> results;
    std::string school = sj("市立第一中学校");
    std::string test = sj("実力テスト");
    std::array<bool, jitsu::kMaxClasses> ticked{};
    jitsu::PrintScale scale;
    int copies = 1;
    bool print = true;
    std::optional<jitsu::PageRange> dialogAnswer = jitsu::PageRange{};

    jitsu::Status status = jitsu::Status::ok();
    int dialogsShown = 0;
    FakeMessages messages;
};

// The trace lines of each sheet, without its "page n" line.
inline std::vector<std::vector<std::string>> sheetsOf(const std::vector<std::string>& trace) {
    std::vector<std::vector<std::string>> sheets;
    for (const std::string& line : trace) {
        if (line.rfind("page ", 0) == 0)
            sheets.emplace_back();
        else if (!sheets.empty() && line != "end")
            sheets.back().push_back(line);
    }
    return sheets;
}

// The lines of `lines` that begin with `prefix`.
inline std::vector<std::string> linesStarting(const std::vector<std::string>& lines,
                                              const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& line : lines)
        if (line.rfind(prefix, 0) == 0) found.push_back(line);
    return found;
}

inline bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}
