#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "BasicData.h"
#include "Clock.h"
#include "FakeMessages.h"
#include "Fixtures.h"
#include "Paths.h"
#include "Services.h"
#include "TempDir.h"
#include "TestScores.h"
#include "TracePrinter.h"

// A school year of 2001 to run reports on: every grade has the classes "１組", "２組", "３組" of
// seven students (two pages a class) and the five subjects 英語, 国語, 数学, 理科, 社会
// (disciplines 1 to 5) in five tests; grade g's student k is named "<g>年生徒<k+1>".
inline jitsu::BasicData reportYear() {
    jitsu::BasicData data;
    data.schoolName.assign(sj("市立第一中学校"));
    data.testName.assign(sj("実力テスト"));
    data.year = 2001;
    data.rosterTag.assign("N");
    const char* const classNames[] = {"１組", "２組", "３組"};
    const char* const subjectNames[] = {"英語", "国語", "数学", "理科", "社会"};
    for (auto& grade : data.grades) {
        grade = makeGrade(3, 7, 5, 5);
        for (int c = 0; c < 3; ++c) grade.classNames[c].assign(sj(classNames[c]));
        for (int j = 0; j < 5; ++j) grade.subjectNames[j].assign(sj(subjectNames[j]));
    }
    return data;
}

// A grade run's surroundings: the year's files in a fresh directory, and fake services that
// record message boxes and print into a trace.
class ReportYearTest : public testing::Test {
protected:
    // Writes the basic data file, and per grade its roster and the score files of tests 1 and 2.
    void writeYear() {
        ASSERT_TRUE(writeBasicData(jitsu::basicDataPath(dir.path()), jitsu::textsOf(data)));
        for (int g = 0; g < 3; ++g) {
            std::string roster;
            for (int k = 1; k <= 21; ++k)
                roster += std::to_string((g + 1) * 100 + k) + "," + std::to_string(g + 1) +
                          sj("年生徒") + std::to_string(k) + "\r\n";
            writeBytes(jitsu::rosterPath(dir.path(), "N", 2001, g + 1), roster);
            for (int test = 1; test <= 2; ++test) {
                scores[g][test - 1] = electiveScores(data.grades[g], 10 * g + test);
                ASSERT_TRUE(jitsu::writeScores(jitsu::scorePath(dir.path(), 2001, test, g + 1),
                                               data.grades[g], *scores[g][test - 1]));
            }
        }
    }

    std::filesystem::path results(int test, int grade) const {
        return jitsu::resultsPath(dir.path(), 2001, test, grade);
    }

    // The trace, one entry a line.
    std::vector<std::string> traceLines() const {
        std::vector<std::string> lines;
        std::istringstream in(trace.str());
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    TempDir dir;
    jitsu::BasicData data = reportYear();
    std::unique_ptr<jitsu::TestScores> scores[3][2];  // [grade][test], as written
    std::ostringstream trace;
    jitsu::TracePrinter printer{trace};
    FakeMessages messages;
    jitsu::FixedClock clock{{2001, 5, 15}};  // June: test 2
    jitsu::Services services{dir.path(), messages, printer, clock};
};
