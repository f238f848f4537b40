// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Cp932.h"
#include "Paths.h"
#include "Roster.h"
#include "RosterChange.h"
#include "TestScores.h"
#include "TestYear.h"

// Class 1 of grade 1 of the small test year after a transfer: 青木 新太 becomes number 3, those
// after move down one, the last has left (the class keeps its head count). With `byName`, the
// class is also renumbered in reverse, so that only the names tell who is who. The import's
// CSV and the names of the one who left and of everyone who stays.
struct Transfer {
    std::string csv = "組,番号,氏名\n";
    std::string leaver;
    std::vector<std::string> staying;
};

inline Transfer transfer(const TestYear& year, bool byName) {
    auto roster = std::make_unique<jitsu::GradeRoster>();
    EXPECT_TRUE(jitsu::readRoster(year.path() / "N261.csv", *roster));
    const jitsu::GradeData& grade = year.data.grades[0];
    jitsu::classRanges(grade, *roster);
    Transfer t;
    std::vector<std::string> class1;
    for (int e = roster->classFirst[0]; e <= roster->classLast[0]; ++e)
        class1.push_back(roster->nameAt(e).utf8());
    t.leaver = class1.back();
    class1.pop_back();
    class1.insert(class1.begin() + 2, "青木　新太");
    if (byName) std::reverse(class1.begin(), class1.end());
    for (std::size_t i = 0; i < class1.size(); ++i) {
        t.csv += "1," + std::to_string(10101 + i) + "," + class1[i] + "\n";
        if (class1[i] != "青木　新太") t.staying.push_back(class1[i]);
    }
    for (int e = roster->classFirst[1]; e <= roster->classLast[1]; ++e)
        t.csv +=
            "2," + std::string(roster->numberAt(e).bytes()) + "," + roster->nameAt(e).utf8() + "\n";
    return t;
}

// Every student's scores of test `test`, by name.
inline std::map<std::string, std::vector<int>> scoresByName(const TestYear& year, int test) {
    const jitsu::GradeData& grade = year.data.grades[0];
    auto roster = std::make_unique<jitsu::GradeRoster>();
    auto scores = std::make_unique<jitsu::TestScores>();
    EXPECT_TRUE(jitsu::readRoster(year.path() / "N261.csv", *roster));
    jitsu::classRanges(grade, *roster);
    EXPECT_TRUE(jitsu::readScores(jitsu::scorePath(year.path(), 2026, test, 1), grade, *scores));
    std::map<std::string, std::vector<int>> byName;
    for (const jitsu::yearfiles::SeatedStudent& s :
         jitsu::yearfiles::seatedStudents(grade, *roster))
        for (int j = 0; j < grade.subjects(); ++j)
            byName[s.name.utf8()].push_back(scores->scores[j][s.cls][s.slot]);
    return byName;
}
